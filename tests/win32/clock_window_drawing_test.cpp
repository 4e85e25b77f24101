// The clock window's drawing against the real GDI: the layers composed into the back buffer
// (pictures, hand layers without their background colour, labels in their font and colour), the
// small pictures of the tray and the menu, and no GDI objects left behind over a long run.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <vector>

#include "clock/clock_window_model.h"
#include "platform/win32/gdi.h"
#include "platform/win32/win32_resources.h"
#include "platform/win32/win32_text_metrics.h"
#include "tests/win32/program_on_fakes.h"
#include "ui/win32/clock_compositor.h"
#include "ui/win32/clock_images.h"

namespace tikora {
namespace {

constexpr int kDpi = 96;
constexpr Colour kFace = 0x00402010;
constexpr Colour kBackground = 0x00000000;
constexpr Colour kHand = 0x00000080;
constexpr Colour kEdge = 0x00000040;
constexpr Colour kSecond = 0x0000C000;
constexpr Colour kStrip = 0x0037AFD4;

struct Pictures {
  Bitmap face{240, 240, kPureWhite};
  Bitmap hour{240, 240, kBackground};
  Bitmap second{240, 240, kBackground};
  Bitmap strip{51, 17, kStrip};

  Pictures() {
    for (int y = 20; y < 220; ++y)
      for (int x = 20; x < 220; ++x) face.setPixel(x, y, kFace);
    for (int y = 60; y < 120; ++y) hour.setPixel(120, y, kHand);
    hour.setPixel(121, 90, kEdge);  // a smoothed edge: kept
    for (int y = 30; y < 120; ++y) second.setPixel(130, y, kSecond);
    for (int y = 0; y < 17; ++y) strip.setPixel(34, y, kPureWhite);
  }
  LayerPictures source() const {
    return [this](ClockComponent c) -> const Bitmap* {
      switch (c) {
        case ClockComponent::Face: return &face;
        case ClockComponent::HourHand: return &hour;
        case ClockComponent::SecondHand: return &second;
        case ClockComponent::Strip: return &strip;
        default: return nullptr;
      }
    };
  }
};

// Pixels of the buffer inside the box that have exactly the colour.
int pixelsOf(const ClockCompositor& buffer, const Rect& box, Colour colour) {
  int count = 0;
  for (int y = box.top; y < box.top + box.height; ++y)
    for (int x = box.left; x < box.left + box.width; ++x) count += buffer.pixel(x, y) == colour;
  return count;
}

void showLabel(ClockWindowModel& model, ClockComponent label, std::wstring text, Colour colour, int left, int top) {
  Win32TextMetrics metrics(kDpi);
  model.setText(label, std::move(text));
  model.setFont(label, FontSpec{L"Arial", 12, true, false, false});
  model.setColour(label, colour);
  model.setPosition(label, left, top);
  model.autoSize(label, metrics);
  model.setVisible(label, true);
}

TEST(ClockCompositorTest, ComposesPicturesHandLayersAndLabelsInLayerOrder) {
  ClockCompositor buffer(kDpi);
  ASSERT_TRUE(buffer.valid());
  const Pictures pictures;
  ClockWindowModel model;
  model.setVisible(ClockComponent::Strip, true);
  showLabel(model, ClockComponent::Digit3, L" 3 ", 0x000000FF, 150, 110);
  buffer.compose(model, pictures.source());

  EXPECT_EQ(buffer.pixel(5, 5), kPureWhite);  // outside the face: see-through
  EXPECT_EQ(buffer.pixel(50, 50), kFace);     // hand layers leave out their background
  EXPECT_EQ(buffer.pixel(120, 60), kHand);
  EXPECT_EQ(buffer.pixel(121, 90), kEdge);
  EXPECT_EQ(buffer.pixel(130, 30), kSecond);
  EXPECT_EQ(buffer.pixel(130, 120), kFace);
  // The strip at (188, 221): its white gap stays white, so it stays see-through.
  EXPECT_EQ(buffer.pixel(188, 221), kStrip);
  EXPECT_EQ(buffer.pixel(188 + 34, 230), kPureWhite);
  EXPECT_EQ(buffer.pixel(188 + 50, 237), kStrip);
  // The digit's glyphs in red inside its box, nothing outside it.
  const Rect box = model.layer(ClockComponent::Digit3).bounds;
  EXPECT_GT(pixelsOf(buffer, box, 0x000000FF), 10);
  EXPECT_EQ(pixelsOf(buffer, {box.left - 6, box.top, 5, box.height}, kFace), 5 * box.height);
}

TEST(ClockCompositorTest, HiddenLayersAreLeftOutAndLabelsInFrontCoverTheHands) {
  ClockCompositor buffer(kDpi);
  const Pictures pictures;
  ClockWindowModel model;
  model.setVisible(ClockComponent::SecondHand, false);
  // A label over the hour hand: under the hands at first, then in front of them.
  showLabel(model, ClockComponent::DigitalTime, L"MMMM", 0x0000FFFF, 100, 80);
  const Rect box = model.layer(ClockComponent::DigitalTime).bounds;
  buffer.compose(model, pictures.source());
  EXPECT_EQ(buffer.pixel(130, 30), kFace);
  EXPECT_EQ(pixelsOf(buffer, {120, box.top, 1, box.height}, kHand), box.height);

  model.setInFrontOfHands(ClockComponent::DigitalTime, true);
  buffer.compose(model, pictures.source());
  EXPECT_LT(pixelsOf(buffer, {120, box.top, 1, box.height}, kHand), box.height);
}

TEST(ClockCompositorTest, NearWhiteLabelsStayVisibleAndNoPicturesMeansAllSeeThrough) {
  ClockCompositor buffer(kDpi);
  ClockWindowModel model;
  buffer.compose(model, [](ClockComponent) { return nullptr; });
  EXPECT_EQ(pixelsOf(buffer, {0, 0, 240, 240}, kPureWhite), 240 * 240);

  const Pictures pictures;
  showLabel(model, ClockComponent::Weekday, L"WWW", kNearWhite, 40, 113);
  buffer.compose(model, pictures.source());
  const Rect box = model.layer(ClockComponent::Weekday).bounds;
  EXPECT_GT(pixelsOf(buffer, box, 0x00FEFFFF), 10);
  EXPECT_EQ(pixelsOf(buffer, box, kPureWhite), 0);
}

// Composing only where layers changed must give, step by step, the very pixels of composing
// everything afresh, and paint every pixel that changed.
TEST(ClockCompositorTest, ComposingWhereLayersChangedGivesThePixelsOfComposingEverything) {
  Pictures pictures;
  ClockWindowModel model;
  const auto moveSecondHand = [&](int x) {
    pictures.second = Bitmap(240, 240, kBackground);
    for (int y = 20; y < 120; ++y) pictures.second.setPixel(x, y, kSecond);
  };
  // An italic digit whose glyphs lean past its box, close to where the second hand passes.
  showLabel(model, ClockComponent::Digit12, L"12", 0x000000FF, 112, 24);
  model.setFont(ClockComponent::Digit12, FontSpec{L"Arial", 14, true, true, false});
  showLabel(model, ClockComponent::DigitalTime, L"12:00:00", 0x0000FFFF, 80, 150);
  const Rect digit = model.layer(ClockComponent::Digit12).bounds;
  const struct {
    const char* what;
    std::function<void()> change;
    LayerSet changedPictures;
  } steps[] = {
      {"the first compose", [] {}, kAllLayers},
      {"the second hand a step on", [&] { moveSecondHand(140); }, layerBit(ClockComponent::SecondHand)},
      {"the second hand just right of the digit's box", [&] { moveSecondHand(digit.right()); },
       layerBit(ClockComponent::SecondHand)},
      {"the second hand away from there", [&] { moveSecondHand(150); }, layerBit(ClockComponent::SecondHand)},
      {"the second hand under the leaning digit", [&] { moveSecondHand(digit.left + 2); },
       layerBit(ClockComponent::SecondHand)},
      {"the time hidden", [&] { model.setVisible(ClockComponent::DigitalTime, false); }, 0},
      {"the strip shown", [&] { model.setVisible(ClockComponent::Strip, true); }, 0},
      {"the digit in front of the hands", [&] { model.setInFrontOfHands(ClockComponent::Digit12, true); }, 0},
      {"the digit upright and moved",
       [&] {
         model.setFont(ClockComponent::Digit12, FontSpec{L"Arial", 12, false, false, false});
         model.setPosition(ClockComponent::Digit12, 126, 40);
       },
       0},
  };
  ClockCompositor buffer(kDpi);
  std::vector<Colour> before(240 * 240, kPureWhite);
  for (const auto& step : steps) {
    step.change();
    const Rect painted = buffer.compose(model, pictures.source(), step.changedPictures);
    ClockCompositor afresh(kDpi);
    afresh.compose(model, pictures.source());
    int wrong = 0, unpainted = 0;
    for (int y = 0; y < 240; ++y)
      for (int x = 0; x < 240; ++x) {
        const Colour now = buffer.pixel(x, y);
        wrong += now != afresh.pixel(x, y);
        unpainted += now != before[std::size_t(y) * 240 + std::size_t(x)] && !painted.contains({x, y});
        before[std::size_t(y) * 240 + std::size_t(x)] = now;
      }
    EXPECT_EQ(wrong, 0) << step.what;
    EXPECT_EQ(unpainted, 0) << step.what;
  }
  // A picture changed without being named is taken to be the one composed before.
  pictures.face = Bitmap(240, 240, kFace);
  EXPECT_EQ(buffer.compose(model, pictures.source(), 0), Rect{});
  EXPECT_EQ(buffer.pixel(5, 5), kPureWhite);
}

// ---- Small pictures ----

using testing::ProgramModule;

TEST(ClockImagesTest, EightImagesWithIconsAndMenuPictures) {
  ProgramModule program;
  ASSERT_NE(program.handle, nullptr);
  Win32Resources resources(program.handle);
  ClockImages images;
  ASSERT_TRUE(images.load(resources));
  EXPECT_EQ(images.count(), 8);
  for (int i = 0; i < 8; ++i) {
    EXPECT_TRUE(images.icon(i).valid()) << i;
    BITMAP bitmap{};
    ASSERT_EQ(GetObjectW(images.menuBitmap(i), sizeof bitmap, &bitmap), int(sizeof bitmap));
    EXPECT_EQ(bitmap.bmWidth, 16);
    EXPECT_EQ(bitmap.bmHeight, 16);
    EXPECT_EQ(bitmap.bmBitsPixel, 32);
  }
  EXPECT_FALSE(images.icon(8).valid());
  EXPECT_EQ(images.menuBitmap(-1), nullptr);

  // Image 2's corner is magenta in the strip: transparent (premultiplied zero) where menus blend
  // alpha, the menu's colour where they do not; the middle is opaque.
  BITMAP bitmap{};
  GetObjectW(images.menuBitmap(2), sizeof bitmap, &bitmap);
  const auto* pixels = static_cast<const std::uint32_t*>(bitmap.bmBits);
  ASSERT_NE(pixels, nullptr);
  const std::uint32_t corner = pixels[0];
  EXPECT_TRUE(corner == 0 || corner >> 24 == 0xFF) << std::hex << corner;
  EXPECT_NE(corner & 0x00FFFFFF, 0x00FF00FFu);
}

// ---- No GDI objects left behind ----

// How many GDI objects the process holds. Windows counts them. Wine answers 0 there; its
// handles carry their table slot in the low 16 bits, and a handle made of a slot alone names
// whatever object lives in that slot, so the live objects are counted slot by slot.
long gdiLoad() {
  if (const DWORD count = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS)) return long(count);
  long live = 0;
  for (std::uintptr_t slot = 1; slot < 0x10000; ++slot) live += GetObjectType(reinterpret_cast<HGDIOBJ>(slot)) != 0;
  return live;
}

TEST(ClockWindowGdiTest, ALongRunOfComposingAndPresentingLeavesNoGdiObjects) {
  const Pictures pictures;
  ClockWindowModel model;
  model.setVisible(ClockComponent::Strip, true);
  ClockCompositor buffer(kDpi);
  WindowDc screen;
  MemoryDc target(screen);
  GdiObject<HBITMAP> targetBitmap(CreateCompatibleBitmap(screen, 240, 240));
  SelectedObject selected(target, targetBitmap);
  showLabel(model, ClockComponent::DigitalTime, L"12:00:00", 0x0000FFFF, 80, 72);
  buffer.compose(model, pictures.source());
  buffer.present(target);

  const long before = gdiLoad();
  for (int cycle = 0; cycle < 3000; ++cycle) {
    // Five sizes in turn: more fonts than the buffer keeps, so fonts are made and deleted.
    model.setFont(ClockComponent::DigitalTime, FontSpec{L"Arial", 8 + cycle % 5, cycle % 2 == 0, false, false});
    buffer.compose(model, pictures.source());
    buffer.present(target);
  }
  EXPECT_LT(gdiLoad() - before, 20);
}

TEST(ClockWindowGdiTest, ImagesIconsAndBuffersGoWithTheirOwners) {
  ProgramModule program;
  Win32Resources resources(program.handle);
  {
    ClockImages warmUp;
    warmUp.load(resources);
  }
  const long before = gdiLoad();
  for (int cycle = 0; cycle < 500; ++cycle) {
    ClockImages images;
    ASSERT_TRUE(images.load(resources));
    for (int i = 0; i < 2; ++i) ASSERT_TRUE(images.icon(i).valid());
    ClockCompositor buffer(kDpi);
    ASSERT_TRUE(buffer.valid());
  }
  EXPECT_LT(gdiLoad() - before, 20);
}

}  // namespace
}  // namespace tikora
