// A test bench for the time services: the live settings, the panel's components, the clock window
// model and every platform service as a fake, bound into one context.
#pragma once
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "clock/clock_window_model.h"
#include "clock/control_panel_layout.h"
#include "clock/settings.h"
#include "platform/fake/fake_clock.h"
#include "platform/fake/fake_locale.h"
#include "platform/fake/fake_message_box.h"
#include "platform/fake/fake_power.h"
#include "platform/fake/fake_sound.h"
#include "platform/fake/fake_text_metrics.h"
#include "timeservices/context.h"
#include "timeservices/panel_bindings.h"

namespace tikora::testing {

class TimeServicesBench : public ::testing::Test {
 protected:
  TimeServicesBench() {
    // Labels measure 5 pixels a character in the face font of these tests.
    for (auto label : {ClockComponent::PowerOffTime, ClockComponent::WorkTime, ClockComponent::Countdown})
      window.setFont(label, FontSpec{L"Arial", 8});
    setFirstTimeServiceStates(panel);
  }

  // Names of the sounds started by `kind` calls, in order.
  std::vector<std::wstring> soundsOf(SoundCallKind kind) const {
    std::vector<std::wstring> names;
    for (const auto& call : sound.calls())
      if (call.kind == kind) names.push_back(call.name);
    return names;
  }
  std::vector<std::wstring> asyncSounds() const { return soundsOf(SoundCallKind::PlayAsyncOnce); }

  const ClockLayer& label(ClockComponent c) const { return window.layer(c); }

  Settings settings;
  FakeTextMetrics metrics;
  // The control panel's components, as its page tables make them.
  ComponentTable panel{controlPanelComponents(metrics)};
  ClockWindowModel window;
  FakeClock clock;
  FakeLocale locale;
  FakeSound sound;
  FakePower power;
  FakeMessageBox boxes;
  TimeServicesContext context{settings, panel, window, metrics, clock, locale, sound, power, boxes};
};

}  // namespace tikora::testing
