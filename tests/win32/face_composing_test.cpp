// The clock as the program runs it, second by second on a simulated clock: the window's
// compositor composes only where the face said its pictures changed and where layers changed,
// and each second must show the very pixels of composing the whole face afresh. A run across a
// full hour passes the ten-second renders of the hour and minute hands, the digital time's text
// each second, the weekday and date, and the digits' full-hour effect.
#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <string>

#include "clock/control_panel_names.h"
#include "tests/win32/program_on_fakes.h"
#include "ui/win32/clock_compositor.h"

namespace tikora {
namespace {

TEST(FaceComposingTest, EverySecondOfARunAcrossTheHourShowsThePixelsOfComposingEverything) {
  HMODULE media = LoadLibraryExW(TIKORA_EXE_NAME, nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
  ASSERT_NE(media, nullptr);
  testing::ProgramOnFakes fakes(media);
  fakes.clock.setLocalTime(2024, 1, 1, 9, 59, 20);
  ProgramModel& model = fakes.start();
  ComponentTable& panel = model.controlPanel()->components();
  ComponentInput off;
  off.checked = false;
  for (const std::wstring_view box : {kDigitalTimeOffBox, kWeekdayOffBox, kDateOffBox})
    panel.raise(box, ComponentEvent::Click, off);
  ComponentInput on;
  on.checked = true;
  panel.raise(kHourEffect11Button, ComponentEvent::Click, on);  // the digits scatter in minute 0

  const ClockFace* face = model.face();
  const LayerPictures pictures = [face](ClockComponent c) { return face->picture(c); };
  ClockCompositor shown(96);
  shown.compose(model.clockWindow(), pictures, model.takeFaceRepaint());
  int effectSteps = 0;
  for (int second = 1; second <= 70; ++second) {
    fakes.clock.advance(std::chrono::seconds(1));
    panel.tick(kFaceTimer);
    panel.tick(kSecondTickTimer);
    if (model.timeServices()->effectTimer().enabled()) {
      panel.tick(kDigitEffectTimer);
      ++effectSteps;
    }
    shown.compose(model.clockWindow(), pictures, model.takeFaceRepaint());
    ClockCompositor afresh(96);
    afresh.compose(model.clockWindow(), pictures);
    int wrong = 0;
    for (int y = 0; y < 240; ++y)
      for (int x = 0; x < 240; ++x) wrong += shown.pixel(x, y) != afresh.pixel(x, y);
    ASSERT_EQ(wrong, 0) << second << " s after 09:59:20";
  }
  EXPECT_GT(effectSteps, 0);
  FreeLibrary(media);
}

}  // namespace
}  // namespace tikora
