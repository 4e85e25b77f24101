// The program's window references; see program_windows.h.
#include "ui/win32/program_windows.h"

#include "ui/win32/clock_window.h"
#include "ui/win32/model_window.h"
#include "ui/win32/web_browser_host.h"

namespace tikora {

ProgramWindows::ProgramWindows(ProgramModel& model) : model(model) {}

ProgramWindows::~ProgramWindows() {
  // The other windows go first: the clock window shows the face the control panel's model keeps.
  todaysDate.reset();
  rssPageView.reset();
  rssTicker.reset();
  reminderPopup.reset();
  dailyPlanner.reset();
  controlPanel.reset();
  clock.reset();
}

std::array<ModelWindow*, 6> ProgramWindows::modelWindows() const {
  return {controlPanel.get(), dailyPlanner.get(), reminderPopup.get(),
          rssTicker.get(),    rssPageView.get(),  todaysDate.get()};
}

void ProgramWindows::syncAll() {
  for (ModelWindow* window : modelWindows())
    if (window) window->view().sync();
  if (clock) clock->sync();
}

void ProgramWindows::settleAll() {
  for (ModelWindow* window : modelWindows())
    if (window) window->view().settle();
}

bool ProgramWindows::isDialogMessage(MSG& message) {
  // The page view's browser takes its own keys first.
  if (WebBrowserHost::translateAccelerator(message)) return true;
  // Every window takes the dialog keys: Tab, Enter, and Escape, which closes a popup as its
  // close cross does.
  for (ModelWindow* window : modelWindows()) {
    if (!window || !window->hwnd()) continue;
    if (message.hwnd != window->hwnd() && !IsChild(window->hwnd(), message.hwnd)) continue;
    return IsDialogMessageW(window->hwnd(), &message) != FALSE;
  }
  // The clock's strip buttons take Tab, Enter and Space.
  if (clock && clock->hwnd() && (message.hwnd == clock->hwnd() || IsChild(clock->hwnd(), message.hwnd)))
    return IsDialogMessageW(clock->hwnd(), &message) != FALSE;
  return false;
}

}  // namespace tikora
