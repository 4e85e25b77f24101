// The full-hour digit animation on the real clock: the program's models on a simulated clock
// set to 10:00, the face composed by the real compositor in real fonts. In minute 0 the scatter
// effect moves the digits away from their ring places; the first tick of minute 1 puts every
// digit back, pixel for pixel. The captures are kept for looking at.
#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <string>
#include <vector>

#include "tests/win32/program_on_fakes.h"
#include "ui/win32/clock_compositor.h"

namespace tikora {
namespace {

// Every pixel of the composed face.
std::vector<Colour> pixelsOf(const ClockCompositor& buffer) {
  std::vector<Colour> pixels;
  for (int y = 0; y < 240; ++y)
    for (int x = 0; x < 240; ++x) pixels.push_back(buffer.pixel(x, y));
  return pixels;
}

void saveCapture(const ClockCompositor& buffer, const std::string& name) {
  // A 24-bit BMP under build/windows/captures, for looking at.
  CreateDirectoryW(L"captures", nullptr);
  std::ofstream out("captures/" + name + ".bmp", std::ios::binary);
  const int w = 240, h = 240, stride = w * 3;
  BITMAPFILEHEADER file{};
  BITMAPINFOHEADER info{};
  file.bfType = 0x4D42;
  file.bfOffBits = sizeof file + sizeof info;
  file.bfSize = file.bfOffBits + stride * h;
  info.biSize = sizeof info;
  info.biWidth = w;
  info.biHeight = h;
  info.biPlanes = 1;
  info.biBitCount = 24;
  out.write(reinterpret_cast<const char*>(&file), sizeof file);
  out.write(reinterpret_cast<const char*>(&info), sizeof info);
  for (int y = h - 1; y >= 0; --y)
    for (int x = 0; x < w; ++x) {
      const Colour c = buffer.pixel(x, y);
      const char bgr[3] = {char((c >> 16) & 0xFF), char((c >> 8) & 0xFF), char(c & 0xFF)};
      out.write(bgr, 3);
    }
}

TEST(DigitEffectOnTheClock, ScatterDuringMinuteZeroThenEveryDigitBackInPlace) {
  HMODULE media = LoadLibraryExW(TIKORA_EXE_NAME, nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
  ASSERT_NE(media, nullptr);
  testing::ProgramOnFakes fakes(media);
  fakes.clock.setLocalTime(2024, 1, 1, 10, 0, 0);
  ProgramModel& model = fakes.start();
  ComponentTable& panel = model.controlPanel()->components();
  // No hands over the digits; the scatter effect ("11").
  ComponentInput tick;
  tick.checked = true;
  panel.raise(L"CheckBox24", ComponentEvent::Click, tick);
  panel.raise(L"RadioButton63", ComponentEvent::Click, tick);
  ASSERT_TRUE(model.settings().hourEffect11);

  ClockCompositor buffer(96);
  const auto composeNow = [&] {
    const ClockFace* face = model.face();
    buffer.compose(model.clockWindow(), [face](ClockComponent c) { return face ? face->picture(c) : nullptr; });
  };
  composeNow();
  const std::vector<Colour> before = pixelsOf(buffer);
  saveCapture(buffer, "effect_before");

  // The second tick of minute 0 starts the effect; its steps scatter the digits.
  panel.tick(L"Timer2");
  ModelTimer& timer4 = model.timeServices()->effectTimer();
  ASSERT_TRUE(timer4.enabled());
  for (int step = 0; step < 5; ++step) panel.tick(L"Timer4");
  EXPECT_EQ(timer4.interval(), 150u) << "the scatter effect's step";
  composeNow();
  saveCapture(buffer, "effect_scattered");
  EXPECT_NE(pixelsOf(buffer), before) << "the digits left their places";

  // 10:01: the second tick stores the new minute; the next effect tick stops and restores.
  fakes.clock.advance(std::chrono::seconds(60));
  panel.tick(L"Timer2");
  panel.tick(L"Timer4");
  EXPECT_FALSE(timer4.enabled());
  composeNow();
  saveCapture(buffer, "effect_after");
  EXPECT_EQ(pixelsOf(buffer), before) << "every digit back, pixel for pixel";
  FreeLibrary(media);
}

}  // namespace
}  // namespace tikora
