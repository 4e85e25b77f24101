// Device-independent bitmaps in and out of the core's Bitmap.
//
// A packed DIB is what a Windows BITMAP resource holds: a BITMAPINFOHEADER (or a later, longer
// header), an optional colour table, then the pixel rows, each padded to a multiple of 4 bytes,
// bottom-up when the height is positive and top-down when it is negative. A .bmp file is the
// same behind a 14-byte BITMAPFILEHEADER whose offset field says where the rows start.
//
// Decoding accepts uncompressed 24- and 32-bit pictures (the alpha byte of 32-bit rows is
// ignored); anything else, or data too short for what the header claims, gives no picture.
// Encoding writes a 24-bit, bottom-up .bmp file, which every viewer reads.
#pragma once
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <vector>

#include "core/bitmap.h"

namespace tikora {

// Pictures larger than this on either side are refused as damaged headers.
inline constexpr int kMaxDibSide = 16384;

std::optional<Bitmap> decodePackedDib(std::span<const std::uint8_t> bytes);
std::optional<Bitmap> decodeBmpFile(std::span<const std::uint8_t> bytes);

std::vector<std::uint8_t> encodeBmpFile(const Bitmap& picture);

// File helpers for test dumps and screenshots. Reading gives no picture when the file cannot be
// read or is not a picture we decode; writing returns false when the file could not be written.
std::optional<Bitmap> readBmpFile(const std::filesystem::path& path);
bool writeBmpFile(const std::filesystem::path& path, const Bitmap& picture);

}  // namespace tikora
