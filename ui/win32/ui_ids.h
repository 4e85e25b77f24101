// The program's own menu command ids and window messages (the tray icon's callback message is the
// clock window model's kTrayCallbackMessage; the views number the model timers from
// kFirstTimerId), each kind in one typed enum, so no window invents its own numbers.
#pragma once
#include <windows.h>

namespace tikora {

// Commands of the clock window's popup menu.
enum class ClockCommand : UINT {
  ControlPanel = 100,
  HideClock,
  DailyPlanner,
  TodaysDate,
  Exit,
};

// The clock window's strip buttons, the keyboard's and screen readers' way to the strip.
enum class StripButtonId : UINT {
  ControlPanel = 200,
  Close,
};

// The program's own window messages.
enum class PrivateMessage : UINT {
  BrowserEvent = WM_APP + 1,  // a web browser's host hands on its control's events, after they came
};

constexpr UINT toCommand(ClockCommand command) { return static_cast<UINT>(command); }

}  // namespace tikora
