#include "core/dib.h"

#include <fstream>
#include <iterator>

namespace tikora {
namespace {

constexpr std::uint32_t kInfoHeaderSize = 40;  // BITMAPINFOHEADER
constexpr std::uint32_t kFileHeaderSize = 14;  // BITMAPFILEHEADER
constexpr std::uint32_t kBiRgb = 0;

std::uint16_t read16(std::span<const std::uint8_t> b, std::size_t at) {
  return std::uint16_t(b[at] | (b[at + 1] << 8));
}
std::uint32_t read32(std::span<const std::uint8_t> b, std::size_t at) {
  return std::uint32_t(b[at]) | (std::uint32_t(b[at + 1]) << 8) | (std::uint32_t(b[at + 2]) << 16) |
         (std::uint32_t(b[at + 3]) << 24);
}
void put16(std::vector<std::uint8_t>& out, std::uint16_t v) {
  out.push_back(std::uint8_t(v));
  out.push_back(std::uint8_t(v >> 8));
}
void put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) out.push_back(std::uint8_t(v >> (8 * i)));
}

struct DibHeader {
  std::uint32_t headerSize;
  int width;
  int height;  // always positive here
  bool bottomUp;
  int bytesPerPixel;
  std::size_t colourTableBytes;
};

std::optional<DibHeader> readHeader(std::span<const std::uint8_t> dib) {
  if (dib.size() < kInfoHeaderSize) return std::nullopt;
  const std::uint32_t headerSize = read32(dib, 0);
  if (headerSize < kInfoHeaderSize || headerSize > dib.size()) return std::nullopt;
  const auto width = std::int32_t(read32(dib, 4));
  const auto height = std::int32_t(read32(dib, 8));
  const std::uint16_t planes = read16(dib, 12);
  const std::uint16_t bitCount = read16(dib, 14);
  const std::uint32_t compression = read32(dib, 16);
  const std::uint32_t coloursUsed = read32(dib, 32);
  if (planes != 1 || compression != kBiRgb) return std::nullopt;
  if (bitCount != 24 && bitCount != 32) return std::nullopt;
  // The height's sign gives the row order; INT32_MIN has no positive counterpart.
  if (width <= 0 || width > kMaxDibSide || height == 0 || height < -kMaxDibSide || height > kMaxDibSide)
    return std::nullopt;
  if (coloursUsed > 256) return std::nullopt;  // a true-colour picture's optional table is small
  return DibHeader{headerSize, width,        height < 0 ? -height : height,
                   height > 0, bitCount / 8, std::size_t(coloursUsed) * 4};
}

std::optional<Bitmap> decodeRows(const DibHeader& header, std::span<const std::uint8_t> bits) {
  const std::size_t stride = (std::size_t(header.width) * header.bytesPerPixel + 3) & ~std::size_t(3);
  // The last row need not carry its padding: only the bytes that hold pixels must be there.
  const std::size_t needed = stride * std::size_t(header.height - 1) + std::size_t(header.width) * header.bytesPerPixel;
  if (bits.size() < needed) return std::nullopt;
  Bitmap picture(header.width, header.height);
  for (int y = 0; y < header.height; ++y) {
    const int sourceRow = header.bottomUp ? header.height - 1 - y : y;
    const std::uint8_t* source = bits.data() + stride * std::size_t(sourceRow);
    std::uint8_t* target = picture.row(y);
    for (int x = 0; x < header.width; ++x) {
      const std::uint8_t* p = source + std::size_t(x) * header.bytesPerPixel;
      target[x * 3] = p[0];
      target[x * 3 + 1] = p[1];
      target[x * 3 + 2] = p[2];
    }
  }
  return picture;
}

}  // namespace

std::optional<Bitmap> decodePackedDib(std::span<const std::uint8_t> bytes) {
  const auto header = readHeader(bytes);
  if (!header) return std::nullopt;
  const std::size_t offset = std::size_t(header->headerSize) + header->colourTableBytes;
  if (offset > bytes.size()) return std::nullopt;
  return decodeRows(*header, bytes.subspan(offset));
}

std::optional<Bitmap> decodeBmpFile(std::span<const std::uint8_t> bytes) {
  if (bytes.size() < kFileHeaderSize || bytes[0] != 'B' || bytes[1] != 'M') return std::nullopt;
  const std::span<const std::uint8_t> dib = bytes.subspan(kFileHeaderSize);
  const auto header = readHeader(dib);
  if (!header) return std::nullopt;
  const std::uint32_t offBits = read32(bytes, 10);
  if (offBits < kFileHeaderSize + header->headerSize || offBits > bytes.size()) return std::nullopt;
  return decodeRows(*header, bytes.subspan(offBits));
}

std::vector<std::uint8_t> encodeBmpFile(const Bitmap& picture) {
  const std::size_t stride = (std::size_t(picture.width()) * 3 + 3) & ~std::size_t(3);
  const std::size_t imageSize = stride * std::size_t(picture.height());
  const std::uint32_t offset = kFileHeaderSize + kInfoHeaderSize;
  std::vector<std::uint8_t> out;
  out.reserve(offset + imageSize);
  out.push_back('B');
  out.push_back('M');
  put32(out, std::uint32_t(offset + imageSize));
  put32(out, 0);  // two reserved words
  put32(out, offset);
  put32(out, kInfoHeaderSize);
  put32(out, std::uint32_t(picture.width()));
  put32(out, std::uint32_t(picture.height()));  // positive: bottom-up rows
  put16(out, 1);
  put16(out, 24);
  put32(out, kBiRgb);
  put32(out, std::uint32_t(imageSize));
  put32(out, 2835);  // 72 dots per inch, as pixels per metre
  put32(out, 2835);
  put32(out, 0);
  put32(out, 0);
  for (int y = picture.height() - 1; y >= 0; --y) {
    const std::uint8_t* row = picture.row(y);
    out.insert(out.end(), row, row + std::size_t(picture.width()) * 3);
    out.resize(out.size() + (stride - std::size_t(picture.width()) * 3), 0);
  }
  return out;
}

std::optional<Bitmap> readBmpFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  if (in.bad()) return std::nullopt;
  return decodeBmpFile(bytes);
}

bool writeBmpFile(const std::filesystem::path& path, const Bitmap& picture) {
  const std::vector<std::uint8_t> bytes = encodeBmpFile(picture);
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  if (!out) return false;
  out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
  out.close();
  return bool(out);
}

}  // namespace tikora
