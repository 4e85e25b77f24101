// The system work time: how long Windows has been running, from the system's 32-bit count of
// milliseconds since it started (so it starts again from 0 after about 49.7 days). Shown in the
// control panel over its picture while "Check Time" is ticked, and as an information line on
// the clock face (Label6) while "Show Time in Clock " is ticked. Its timer runs while either is.
#pragma once
#include <cstdint>
#include <string>

#include "core/component.h"
#include "timeservices/context.h"

namespace tikora {

// "3 04:05:06" from a day on, "04:05:06" from an hour, "04:05" from a minute, "7" below.
std::wstring workTimeText(std::uint32_t milliseconds);

class WorkTime {
 public:
  explicit WorkTime(const TimeServicesContext& context) : c_(context) {}
  WorkTime(const WorkTime&) = delete;
  WorkTime& operator=(const WorkTime&) = delete;

  void onCheckWorkTimeChanged();  // "Check Time" (not stored)
  void onShowWorkTimeChanged();   // "Show Time in Clock " (settings showWorkTime)
  // Every 1000 ms while the work time timer runs.
  void onWorkTimeTick();

  ModelTimer& workTimeTimer() { return workTimeTimer_; }
  const ModelTimer& workTimeTimer() const { return workTimeTimer_; }

 private:
  TimeServicesContext c_;  // a copy: it only holds references
  ModelTimer workTimeTimer_{1000, false};
};

}  // namespace tikora
