// PNG pictures of the program's resources into the core's 24-bit Bitmap, by stb_image (public
// domain; Debian's libstb-dev), compiled into the program for PNG alone.
#pragma once
#include <cstdint>
#include <optional>
#include <span>

#include "core/bitmap.h"

namespace tikora {

// True-colour, palette and grey pictures of any bit depth alike; an alpha channel is ignored.
// Nothing when the bytes are not a PNG, are damaged, or the picture is larger than the largest
// DIB the core accepts (kMaxDibSide).
std::optional<Bitmap> decodePng(std::span<const std::uint8_t> bytes);

}  // namespace tikora
