// The program's window references; see program_windows.h.
#include "ui/win32/program_windows.h"

#include "ui/win32/clock_window.h"
#include "ui/win32/control_panel_window.h"
#include "ui/win32/plain_window.h"

namespace tikora {

ProgramWindows::ProgramWindows() = default;

ProgramWindows::~ProgramWindows() {
  // The other windows go first: the control panel's face is what the clock window shows.
  todaysDate.reset();
  rssPageView.reset();
  rssTicker.reset();
  reminderPopup.reset();
  dailyPlanner.reset();
  controlPanel.reset();
  clock.reset();
}

}  // namespace tikora
