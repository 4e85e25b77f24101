// GDI text measurement and the installed font list, against the real GDI.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "platform/win32/gdi.h"
#include "platform/win32/gdi_font.h"
#include "platform/win32/win32_text_metrics.h"

namespace tikora {
namespace {

// The face GDI really uses when asked for `requested`: on a system without it, a substitute.
std::wstring realisedFace(const std::wstring& requested) {
  MemoryDc dc;
  GdiObject<HFONT> font = createFont({requested, 10}, kStandardDpi);
  SelectedObject selected(dc, font);
  wchar_t face[LF_FACESIZE] = {};
  GetTextFaceW(dc, LF_FACESIZE, face);
  return face;
}

struct InkBox {
  int left = INT32_MAX, top = INT32_MAX, right = -1, bottom = -1;  // right, bottom exclusive
  bool empty() const { return right < 0; }
};

// Draws `text` black on white with its top-left corner at (origin, origin) and finds the
// pixels that are not white.
InkBox drawAndFindInk(const std::wstring& text, const FontSpec& fontSpec, int origin) {
  constexpr int kWidth = 400, kHeight = 100;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = kWidth;
  info.bmiHeader.biHeight = -kHeight;  // top-down rows
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  GdiObject<HBITMAP> bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  MemoryDc dc;
  EXPECT_TRUE(bitmap.valid() && dc.valid());
  InkBox ink;
  if (!bitmap.valid() || !dc.valid()) return ink;
  SelectedObject selectedBitmap(dc, bitmap);
  GdiObject<HFONT> font = createFont(fontSpec, kStandardDpi);
  SelectedObject selectedFont(dc, font);
  PatBlt(dc, 0, 0, kWidth, kHeight, WHITENESS);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, RGB(0, 0, 0));
  TextOutW(dc, origin, origin, text.c_str(), static_cast<int>(text.size()));
  GdiFlush();
  const auto* pixels = static_cast<const std::uint32_t*>(bits);
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x) {
      if ((pixels[y * kWidth + x] & 0xFFFFFF) == 0xFFFFFF) continue;
      ink.left = std::min(ink.left, x);
      ink.top = std::min(ink.top, y);
      ink.right = std::max(ink.right, x + 1);
      ink.bottom = std::max(ink.bottom, y + 1);
    }
  }
  return ink;
}

TEST(Win32TextMetricsTest, SizesGrowWithTextWeightAndPoints) {
  Win32TextMetrics metrics(kStandardDpi);
  const FontSpec tahoma{L"Tahoma", 10};
  const TextSize word = metrics.measure(L"Tikora", tahoma);
  EXPECT_GT(word.width, 20);
  EXPECT_LT(word.width, 80);
  // Height of a 10-point line at 96 dpi: the 13-pixel character height plus internal leading.
  EXPECT_GE(word.height, 13);
  EXPECT_LE(word.height, 20);

  const TextSize twice = metrics.measure(L"TikoraTikora", tahoma);
  EXPECT_NEAR(twice.width, 2 * word.width, 2);
  EXPECT_EQ(twice.height, word.height);

  FontSpec bold = tahoma;
  bold.bold = true;
  EXPECT_GE(metrics.measure(L"Tikora", bold).width, word.width);

  int previousHeight = 0, previousWidth = 0;
  for (int points = 8; points <= 18; points += 2) {
    const TextSize size = metrics.measure(L" 12 ", {L"Tahoma", points});
    EXPECT_GE(size.height, MulDiv(points, 96, 72)) << points << " pt";
    EXPECT_GT(size.height, previousHeight) << points << " pt";
    EXPECT_GE(size.width, previousWidth) << points << " pt";
    previousHeight = size.height;
    previousWidth = size.width;
  }
}

TEST(Win32TextMetricsTest, EmptyTextIsOneLineHighAndUnderlineChangesNothing) {
  Win32TextMetrics metrics(kStandardDpi);
  const FontSpec arial{L"Arial", 9};
  const TextSize word = metrics.measure(L"Wednesday", arial);
  EXPECT_EQ(metrics.measure(L"", arial), (TextSize{0, word.height}));
  FontSpec underlined = arial;
  underlined.underline = true;
  EXPECT_EQ(metrics.measure(L"Wednesday", underlined), word);
}

TEST(Win32TextMetricsTest, ResolutionScalesTheFont) {
  const TextSize at96 = Win32TextMetrics(96).measure(L"Tikora", {L"Tahoma", 10});
  const TextSize at192 = Win32TextMetrics(192).measure(L"Tikora", {L"Tahoma", 10});
  EXPECT_NEAR(at192.height, 2 * at96.height, 2);
  EXPECT_NEAR(at192.width, 2 * at96.width, 4);
  // The program's own measures at 96 DPI whatever the screen's, as its layouts and the face are
  // given: the face's labels keep their pixel sizes at any scaling.
  EXPECT_EQ(Win32TextMetrics().dpi(), 96);
  EXPECT_EQ(Win32TextMetrics().measure(L"Wednesday", {L"Arial", 12, true}),
            Win32TextMetrics(96).measure(L"Wednesday", {L"Arial", 12, true}));
}

TEST(Win32TextMetricsTest, UnknownAndOverlongFacesStillMeasure) {
  Win32TextMetrics metrics(kStandardDpi);
  EXPECT_GT(metrics.measure(L"Tikora", {L"No Such Face Anywhere", 10}).width, 0);
  const std::wstring overlong(80, L'X');  // more than a LOGFONTW face name can hold
  EXPECT_GT(metrics.measure(L"Tikora", {overlong, 10}).width, 0);
}

// A label drawn with the shared font fills exactly the measured box: DrawText's own sizing
// agrees, and the glyphs' ink stays inside it, so centring by the measured width centres the ink.
TEST(Win32TextMetricsTest, MeasuredBoxIsTheBoxALabelDraws) {
  Win32TextMetrics metrics(kStandardDpi);
  for (const FontSpec& fontSpec :
       {FontSpec{L"Tahoma", 10}, FontSpec{L"Arial", 12, true}, FontSpec{L"Times New Roman", 8}}) {
    for (const std::wstring& text :
         {std::wstring(L" 10 "), std::wstring(L"Thursday"), std::wstring(L"12:45:09 PM "), std::wstring(L"R&D")}) {
      SCOPED_TRACE(testing::Message() << "text '" << text << "'"
                                      << " points " << fontSpec.points);
      const TextSize measured = metrics.measure(text, fontSpec);

      MemoryDc dc;
      GdiObject<HFONT> font = createFont(fontSpec, kStandardDpi);
      SelectedObject selected(dc, font);
      RECT box{0, 0, 0, 0};
      DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &box, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
      EXPECT_EQ(box.right - box.left, measured.width);
      EXPECT_EQ(box.bottom - box.top, measured.height);

      constexpr int kOrigin = 20;
      const InkBox ink = drawAndFindInk(text, fontSpec, kOrigin);
      ASSERT_FALSE(ink.empty());
      EXPECT_GE(ink.left, kOrigin);
      EXPECT_LE(ink.right, kOrigin + measured.width);
      EXPECT_GE(ink.top, kOrigin);
      EXPECT_LE(ink.bottom, kOrigin + measured.height);
      // Ink spans most of the box: the width is not padded. Leading and trailing blanks carry
      // no ink, so they are measured apart and left out of the comparison.
      const auto first = text.find_first_not_of(L' '), last = text.find_last_not_of(L' ');
      const TextSize blanks = metrics.measure(std::wstring(text.size() - (last - first + 1), L' '), fontSpec);
      EXPECT_GE(ink.right - ink.left, (measured.width - blanks.width) * 3 / 5);
    }
  }
}

TEST(GdiOwnersTest, DeleteWhatTheyOwnAndPutBackWhatTheySelected) {
  MemoryDc dc;
  ASSERT_TRUE(dc.valid());
  const HGDIOBJ originalFont = GetCurrentObject(dc, OBJ_FONT);
  HFONT raw = nullptr;
  {
    GdiObject<HFONT> font = createFont({L"Tahoma", 10, true}, kStandardDpi);
    raw = font;
    ASSERT_EQ(GetObjectType(raw), static_cast<DWORD>(OBJ_FONT));
    GdiObject<HFONT> moved = std::move(font);
    EXPECT_FALSE(font.valid());
    EXPECT_EQ(moved.get(), raw);
    SelectedObject selected(dc, moved);
    EXPECT_TRUE(selected.valid());
    EXPECT_EQ(GetCurrentObject(dc, OBJ_FONT), raw);
    // Leaving the scope unselects the font before deleting it (reverse order of declaration).
  }
  EXPECT_EQ(GetCurrentObject(dc, OBJ_FONT), originalFont);
  EXPECT_EQ(GetObjectType(raw), 0u) << "font not deleted";
}

// Where the system counts a process's GDI objects (Windows does, Wine reports 0), measuring
// many texts must leave the count flat.
TEST(GdiOwnersTest, MeasuringLeavesTheGdiObjectCountFlat) {
  Win32TextMetrics metrics;
  metrics.measure(L"warm up", {L"Tahoma", 10});
  const DWORD before = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
  if (before == 0) GTEST_SKIP() << "this system does not count GDI objects";
  for (int i = 0; i < 2000; ++i) metrics.measure(L"Tikora", {L"Tahoma", 8 + i % 5, i % 2 == 0});
  for (int i = 0; i < 20; ++i) metrics.installedFontNames();
  EXPECT_LE(GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS), before + 2);
}

TEST(Win32TextMetricsTest, InstalledFontsAreListedOnceEachWithoutVerticalFaces) {
  const std::vector<std::wstring> names = Win32TextMetrics().installedFontNames();
  ASSERT_FALSE(names.empty());
  const std::set<std::wstring> unique(names.begin(), names.end());
  EXPECT_EQ(unique.size(), names.size());
  for (const std::wstring& name : names) {
    EXPECT_FALSE(name.empty());
    EXPECT_NE(name.front(), L'@') << "vertical face listed";
  }
  // Whatever GDI draws a label in must be offered in the list.
  const std::wstring drawnFace = realisedFace(L"Tahoma");
  EXPECT_TRUE(unique.count(drawnFace)) << "missing face";
}

}  // namespace
}  // namespace tikora
