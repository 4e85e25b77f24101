#include "core/dib.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <vector>

namespace tikora {
namespace {

using Bytes = std::vector<std::uint8_t>;

void put16(Bytes& out, unsigned v) {
  out.push_back(std::uint8_t(v));
  out.push_back(std::uint8_t(v >> 8));
}
void put32(Bytes& out, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) out.push_back(std::uint8_t(v >> (8 * i)));
}

Bytes infoHeader(std::int32_t width, std::int32_t height, unsigned bitCount, std::uint32_t compression = 0,
                 std::uint32_t coloursUsed = 0) {
  Bytes h;
  put32(h, 40);
  put32(h, std::uint32_t(width));
  put32(h, std::uint32_t(height));
  put16(h, 1);
  put16(h, bitCount);
  put32(h, compression);
  put32(h, 0);  // image size may be 0 for uncompressed pictures
  put32(h, 2835);
  put32(h, 2835);
  put32(h, coloursUsed);
  put32(h, 0);
  return h;
}

// A 3 x 2 picture: top row red, green, blue; bottom row black, white, grey 0x102030.
constexpr Colour kTop[3] = {0x0000FF, 0x00FF00, 0xFF0000};
constexpr Colour kBottom[3] = {0x000000, 0xFFFFFF, 0x302010};

void putRow(Bytes& out, const Colour (&row)[3], unsigned bytesPerPixel) {
  std::size_t start = out.size();
  for (Colour c : row) {
    out.push_back(std::uint8_t(c >> 16));  // blue
    out.push_back(std::uint8_t(c >> 8));   // green
    out.push_back(std::uint8_t(c));        // red
    if (bytesPerPixel == 4) out.push_back(0x7F);
  }
  while ((out.size() - start) % 4 != 0) out.push_back(0xEE);  // padding must be ignored
}

void expectThreeByTwo(const std::optional<Bitmap>& picture) {
  ASSERT_TRUE(picture.has_value());
  ASSERT_EQ(picture->width(), 3);
  ASSERT_EQ(picture->height(), 2);
  for (int x = 0; x < 3; ++x) {
    EXPECT_EQ(picture->pixel(x, 0), kTop[x]) << x;
    EXPECT_EQ(picture->pixel(x, 1), kBottom[x]) << x;
  }
}

TEST(DibTest, BottomUpRowsPaddedToFourBytes) {
  Bytes dib = infoHeader(3, 2, 24);
  putRow(dib, kBottom, 3);  // 9 bytes of pixels + 3 of padding
  putRow(dib, kTop, 3);
  EXPECT_EQ(dib.size(), 40u + 24u);
  expectThreeByTwo(decodePackedDib(dib));
}

TEST(DibTest, TopDownRowsWhenTheHeightIsNegative) {
  Bytes dib = infoHeader(3, -2, 24);
  putRow(dib, kTop, 3);
  putRow(dib, kBottom, 3);
  expectThreeByTwo(decodePackedDib(dib));
}

TEST(DibTest, ThirtyTwoBitRowsIgnoreTheFourthByte) {
  Bytes dib = infoHeader(3, 2, 32);
  putRow(dib, kBottom, 4);
  putRow(dib, kTop, 4);
  expectThreeByTwo(decodePackedDib(dib));
}

TEST(DibTest, ColourTableOfATrueColourPictureIsSkipped) {
  Bytes dib = infoHeader(3, 2, 24, 0, 2);
  put32(dib, 0x11111111);
  put32(dib, 0x22222222);
  putRow(dib, kBottom, 3);
  putRow(dib, kTop, 3);
  expectThreeByTwo(decodePackedDib(dib));
}

TEST(DibTest, LastRowNeedNotCarryItsPadding) {
  Bytes dib = infoHeader(3, 2, 24);
  putRow(dib, kBottom, 3);
  putRow(dib, kTop, 3);
  dib.resize(dib.size() - 3);
  expectThreeByTwo(decodePackedDib(dib));
  dib.pop_back();  // now a pixel byte is missing
  EXPECT_FALSE(decodePackedDib(dib).has_value());
}

TEST(DibTest, RefusesWhatItCannotDecode) {
  const auto withRows = [](Bytes header) {
    putRow(header, kBottom, 3);
    putRow(header, kTop, 3);
    return header;
  };
  EXPECT_FALSE(decodePackedDib(Bytes{}).has_value());
  EXPECT_FALSE(decodePackedDib(Bytes(39, 0)).has_value());
  EXPECT_FALSE(decodePackedDib(withRows(infoHeader(3, 2, 8))).has_value());  // paletted
  EXPECT_FALSE(decodePackedDib(withRows(infoHeader(3, 2, 16))).has_value());
  EXPECT_FALSE(decodePackedDib(withRows(infoHeader(3, 2, 24, 1))).has_value());  // RLE
  EXPECT_FALSE(decodePackedDib(withRows(infoHeader(0, 2, 24))).has_value());
  EXPECT_FALSE(decodePackedDib(withRows(infoHeader(-3, 2, 24))).has_value());
  EXPECT_FALSE(decodePackedDib(withRows(infoHeader(3, 0, 24))).has_value());
  EXPECT_FALSE(decodePackedDib(withRows(infoHeader(3, INT32_MIN, 24))).has_value());
  EXPECT_FALSE(decodePackedDib(withRows(infoHeader(100000, 1, 24))).has_value());
  EXPECT_FALSE(decodePackedDib(withRows(infoHeader(3, 2, 24, 0, 100000))).has_value());
  Bytes planes = withRows(infoHeader(3, 2, 24));
  planes[12] = 2;
  EXPECT_FALSE(decodePackedDib(planes).has_value());
  Bytes hugeHeader = withRows(infoHeader(3, 2, 24));
  hugeHeader[0] = 0xFF;
  EXPECT_FALSE(decodePackedDib(hugeHeader).has_value());
}

TEST(DibTest, BmpFileRowsStartAtTheOffsetTheHeaderGives) {
  Bytes file{'B', 'M'};
  put32(file, 0);
  put32(file, 0);
  put32(file, 14 + 40 + 6);  // six spare bytes before the rows
  const Bytes info = infoHeader(3, 2, 24);
  file.insert(file.end(), info.begin(), info.end());
  file.insert(file.end(), 6, 0xAB);
  putRow(file, kBottom, 3);
  putRow(file, kTop, 3);
  expectThreeByTwo(decodeBmpFile(file));

  Bytes wrongMagic = file;
  wrongMagic[0] = 'X';
  EXPECT_FALSE(decodeBmpFile(wrongMagic).has_value());
  Bytes offsetPastEnd = file;
  offsetPastEnd[10] = 0xFF;
  offsetPastEnd[11] = 0xFF;
  EXPECT_FALSE(decodeBmpFile(offsetPastEnd).has_value());
  Bytes offsetInsideHeader = file;
  offsetInsideHeader[10] = 20;
  EXPECT_FALSE(decodeBmpFile(offsetInsideHeader).has_value());
}

TEST(DibTest, EncodesTwentyFourBitBottomUpFiles) {
  Bitmap picture(1, 2, 0x000000);
  picture.setPixel(0, 0, 0x112233);  // top
  picture.setPixel(0, 1, 0x445566);  // bottom
  const Bytes file = encodeBmpFile(picture);
  Bytes expected{'B', 'M'};
  put32(expected, 14 + 40 + 8);
  put32(expected, 0);
  put32(expected, 14 + 40);
  put32(expected, 40);
  put32(expected, 1);
  put32(expected, 2);
  put16(expected, 1);
  put16(expected, 24);
  put32(expected, 0);
  put32(expected, 8);
  put32(expected, 2835);
  put32(expected, 2835);
  put32(expected, 0);
  put32(expected, 0);
  for (std::uint8_t b : {0x44, 0x55, 0x66, 0x00, 0x11, 0x22, 0x33, 0x00}) expected.push_back(b);
  // Colours are 0x00BBGGRR: 0x445566 has blue 0x44, green 0x55, red 0x66, written blue first.
  EXPECT_EQ(file, expected);
}

TEST(DibTest, FilesRoundTripThroughTheDisk) {
  Bitmap picture(5, 3, 0x0000FF);
  picture.setPixel(4, 2, 0x00FF00);
  picture.setPixel(0, 0, 0xABCDEF);
  const auto path = std::filesystem::temp_directory_path() / "tikora_dib_test.bmp";
  ASSERT_TRUE(writeBmpFile(path, picture));
  const auto back = readBmpFile(path);
  std::filesystem::remove(path);
  ASSERT_TRUE(back.has_value());
  EXPECT_EQ(*back, picture);
  EXPECT_FALSE(readBmpFile(path).has_value());
  EXPECT_FALSE(writeBmpFile(std::filesystem::path("/nonexistent-dir/x/y.bmp"), picture));
}

}  // namespace
}  // namespace tikora
