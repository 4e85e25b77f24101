// The real clock face on a simulated clock: the program's models on fakes, the face composed by
// the real compositor in real fonts.
// - The full-hour digit animation: in minute 0 the scatter effect moves the digits away from
//   their ring places; the first tick of minute 1 puts every digit back, pixel for pixel. The
//   captures are kept for looking at.
// - Composing only where something changed: second by second across the full hour, the window's
//   compositor, told which pictures the face changed, shows the very pixels of composing the
//   whole face afresh.
#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <string>
#include <vector>

#include "clock/control_panel_names.h"
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

// The program on fakes with tikora.exe's own pictures, its clock set by the test.
class ClockFaceOnFakes : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_NE(media_.handle, nullptr); }
  ProgramModel& startAt(int hour, int minute, int second) {
    fakes_.clock.setLocalTime(2024, 1, 1, hour, minute, second);
    return fakes_.start();
  }
  // The face's pictures, as the clock window hands them to its compositor.
  static LayerPictures picturesOf(ProgramModel& model) {
    const ClockFace* face = model.face();
    return [face](ClockComponent c) { return face ? face->picture(c) : nullptr; };
  }

  testing::ProgramModule media_;
  testing::ProgramOnFakes fakes_{media_.handle};
};

TEST_F(ClockFaceOnFakes, ScatterDuringMinuteZeroThenEveryDigitBackInPlace) {
  ProgramModel& model = startAt(10, 0, 0);
  ComponentTable& panel = model.controlPanel()->components();
  // No hands over the digits; the scatter effect ("11").
  ComponentInput tick;
  tick.checked = true;
  panel.raise(kAllHandsOffBox, ComponentEvent::Click, tick);
  panel.raise(kHourEffect11Button, ComponentEvent::Click, tick);
  ASSERT_TRUE(model.settings().hourEffect11);

  ClockCompositor buffer(96);
  const auto composeNow = [&] { buffer.compose(model.clockWindow(), picturesOf(model)); };
  composeNow();
  const std::vector<Colour> before = pixelsOf(buffer);
  saveCapture(buffer, "effect_before");

  // The second tick of minute 0 starts the effect; its steps scatter the digits.
  panel.tick(kSecondTickTimer);
  ModelTimer& timer4 = model.timeServices()->effectTimer();
  ASSERT_TRUE(timer4.enabled());
  for (int step = 0; step < 5; ++step) panel.tick(kDigitEffectTimer);
  EXPECT_EQ(timer4.interval(), 150u) << "the scatter effect's step";
  composeNow();
  saveCapture(buffer, "effect_scattered");
  EXPECT_NE(pixelsOf(buffer), before) << "the digits left their places";

  // 10:01: the second tick stores the new minute; the next effect tick stops and restores.
  fakes_.clock.advance(std::chrono::seconds(60));
  panel.tick(kSecondTickTimer);
  panel.tick(kDigitEffectTimer);
  EXPECT_FALSE(timer4.enabled());
  composeNow();
  saveCapture(buffer, "effect_after");
  EXPECT_EQ(pixelsOf(buffer), before) << "every digit back, pixel for pixel";
}

TEST_F(ClockFaceOnFakes, EverySecondOfARunAcrossTheHourShowsThePixelsOfComposingEverything) {
  ProgramModel& model = startAt(9, 59, 20);
  ComponentTable& panel = model.controlPanel()->components();
  ComponentInput off;
  off.checked = false;
  for (const std::wstring_view box : {kDigitalTimeOffBox, kWeekdayOffBox, kDateOffBox})
    panel.raise(box, ComponentEvent::Click, off);
  ComponentInput on;
  on.checked = true;
  panel.raise(kHourEffect11Button, ComponentEvent::Click, on);  // the digits scatter in minute 0

  const LayerPictures pictures = picturesOf(model);
  ClockCompositor shown(96);
  shown.compose(model.clockWindow(), pictures, model.takeFaceRepaint());
  int effectSteps = 0;
  for (int second = 1; second <= 70; ++second) {
    fakes_.clock.advance(std::chrono::seconds(1));
    panel.tick(kFaceTimer);
    panel.tick(kSecondTickTimer);
    if (model.timeServices()->effectTimer().enabled()) {
      panel.tick(kDigitEffectTimer);
      ++effectSteps;
    }
    shown.compose(model.clockWindow(), pictures, model.takeFaceRepaint());
    ClockCompositor afresh(96);
    afresh.compose(model.clockWindow(), pictures);
    ASSERT_EQ(pixelsOf(shown), pixelsOf(afresh)) << second << " s after 09:59:20";
  }
  EXPECT_GT(effectSteps, 0);
}

}  // namespace
}  // namespace tikora
