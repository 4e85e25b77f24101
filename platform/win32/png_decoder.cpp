// PNG decoding; see png_decoder.h. The decoder is one header; its implementation is made here
// and nowhere else, with every other format left out.
#include "platform/win32/png_decoder.h"

#include <climits>
#include <memory>

#include "core/dib.h"

#define STB_IMAGE_IMPLEMENTATION
#define STB_IMAGE_STATIC
#define STBI_ONLY_PNG
#define STBI_NO_STDIO
#define STBI_NO_LINEAR
#define STBI_NO_HDR
#define STBI_MAX_DIMENSIONS 16384
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wunused-function"
#pragma GCC diagnostic ignored "-Wsign-compare"
#pragma GCC diagnostic ignored "-Wimplicit-fallthrough"
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
#include <stb_image.h>
#pragma GCC diagnostic pop

namespace tikora {

static_assert(STBI_MAX_DIMENSIONS == kMaxDibSide);

std::optional<Bitmap> decodePng(std::span<const std::uint8_t> bytes) {
  if (bytes.empty() || bytes.size() > std::size_t(INT_MAX)) return std::nullopt;
  int width = 0, height = 0, channels = 0;
  // Red, green, blue bytes for every pixel, whatever the stored form.
  const std::unique_ptr<stbi_uc, void (*)(void*)> rgb(
      stbi_load_from_memory(bytes.data(), static_cast<int>(bytes.size()), &width, &height, &channels, 3),
      stbi_image_free);
  if (!rgb) return std::nullopt;
  Bitmap picture(width, height);
  const stbi_uc* from = rgb.get();
  std::uint8_t* to = picture.row(0);  // the rows follow one another without gaps
  for (std::size_t n = std::size_t(width) * std::size_t(height); n > 0; --n, from += 3, to += 3) {
    to[0] = from[2];
    to[1] = from[1];
    to[2] = from[0];
  }
  return picture;
}

}  // namespace tikora
