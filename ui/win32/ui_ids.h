// The program's own timer ids and menu command ids (the tray icon's callback message is the clock
// window model's kTrayCallbackMessage), each kind in one typed
// enum, so no window invents its own numbers.
#pragma once
#include <windows.h>

namespace tikora {

// Timers of the control panel window.
enum class TimerId : UINT_PTR {
  Timer1 = 1,  // face tick
  Timer2 = 2,  // second tick
  Timer3 = 3,  // system work time
  Timer4 = 4,  // full-hour visual effect
  Timer7 = 7,  // force-shutdown blinker
};

// Commands of the clock window's popup menu (PopupMenu1).
enum class ClockCommand : UINT {
  ControlPanel = 100,
  HideClock,
  DailyPlanner,
  TodaysDate,
  Exit,
};

// The program's own window messages.
enum class PrivateMessage : UINT {
  BrowserEvent = WM_APP + 1,  // a web browser's host hands on its control's events, after they came
};

constexpr UINT_PTR toTimer(TimerId timer) { return static_cast<UINT_PTR>(timer); }
constexpr UINT toCommand(ClockCommand command) { return static_cast<UINT>(command); }

}  // namespace tikora
