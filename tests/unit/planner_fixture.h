// A test bench for the daily planner: the planner window and the reminder popup over fake
// services, with helpers to make and store items.
#pragma once
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "clock/settings.h"
#include "planner/planner_window_model.h"
#include "planner/reminder_popup_model.h"
#include "platform/fake/fake_clock.h"
#include "platform/fake/fake_code_page.h"
#include "platform/fake/fake_locale.h"
#include "platform/fake/fake_message_box.h"
#include "platform/fake/fake_registry.h"
#include "platform/fake/fake_sound.h"
#include "platform/fake/fake_text_metrics.h"

namespace tikora::testing {

inline PlannerRecord item(std::wstring title, int day, int hour, int minute, bool sound = false,
                          std::wstring description = L"") {
  return {std::move(title), std::move(description), *DateTime::fromDate(2024, 3, day),
          *DateTime::fromTime(hour, minute, 0), sound};
}

// What a user does to a control.
inline ComponentInput typed(std::wstring text) {
  ComponentInput input;
  input.text = std::move(text);
  return input;
}
inline ComponentInput picked(DateTime value) {
  ComponentInput input;
  input.value = value;
  return input;
}
inline ComponentInput ticked(bool checked) {
  ComponentInput input;
  input.checked = checked;
  return input;
}
inline ComponentInput rowSelected(int row) {
  ComponentInput input;
  input.selected = row;
  return input;
}

class PlannerBench : public ::testing::Test {
 protected:
  // Writes the items as a previous run would have left them.
  void store(const std::vector<PlannerRecord>& records) {
    for (std::size_t i = 0; i < records.size(); ++i) {
      const PlannerRecordBytes bytes = encodePlannerRecord(records[i], codePage);
      registry.setBinary(kPlannerKey, plannerValueName(int(i)), {bytes.begin(), bytes.end()});
    }
    registry.setDword(kPlannerKey, kPlannerCountValue, std::uint32_t(records.size() - 1));
  }
  // The items the next start would load.
  std::vector<PlannerRecord> reloaded() {
    PlannerItems fresh(registry, codePage);
    (void)fresh.load();
    return fresh.records();
  }
  ComponentState& at(std::wstring_view name) { return planner.components()[name]; }
  ComponentState& popupAt(std::wstring_view name) { return popup.components()[name]; }
  void raise(std::wstring_view name, ComponentEvent event, ComponentInput input = {}) {
    planner.components().raise(name, event, input);
  }
  void tickAt(int day, int hour, int minute, int second) {
    clock.setLocalTime(2024, 3, day, hour, minute, second);
    reminders.tick(sampleTick(clock.now(), locale.names()));
  }

  FakeRegistry registry;
  FakeAnsiCodePage codePage;
  FakeClock clock;
  FakeLocale locale;
  FakeTextMetrics metrics;
  FakeSound sound;
  FakeMessageBox boxes;
  Settings settings;
  std::vector<std::wstring> hookCalls;
  PlannerWindowModel planner{{registry, codePage, clock, locale, metrics, boxes}};
  ReminderPopupModel popup{
      {settings, sound, locale, metrics, planner},
      {{}, [this] { hookCalls.push_back(L"clock on top"); }, [this] { hookCalls.push_back(L"untick always on top"); }}};
  PlannerReminders reminders{planner, popup};
};

}  // namespace tikora::testing
