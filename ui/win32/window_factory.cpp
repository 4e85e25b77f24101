// Start-up's window maker; see window_factory.h.
#include "ui/win32/window_factory.h"

#include <memory>
#include <utility>

#include "ui/win32/clock_window.h"
#include "ui/win32/model_window.h"

namespace tikora {
bool Win32WindowFactory::createClockWindow() {
  windows_.clock = std::make_unique<ClockWindow>(instance_, windows_.model, [this] { windows_.syncAll(); });
  return windows_.clock->create();
}

void Win32WindowFactory::addTrayIcon() { windows_.clock->addTrayIcon(); }

void Win32WindowFactory::removeFromTaskbar() { windows_.clock->keepOffTaskbar(); }

void Win32WindowFactory::setClockPictures(ClockStartPictures pictures) { clockPictures_ = std::move(pictures); }

bool Win32WindowFactory::createModelWindow(std::unique_ptr<ModelWindow>& slot, ComponentTable& table) {
  ProgramModel& model = windows_.model;
  slot =
      std::make_unique<ModelWindow>(instance_, table, [&model](std::wstring_view name) { return model.picture(name); });
  if (!slot->create()) return false;
  // The boxes a model names this window for are owned by it from now on.
  messageBoxes_.addWindow(table.all().front().name, slot->hwnd());
  slot->view().syncAfterEvent = [this] { windows_.syncAll(); };
  return true;
}

bool Win32WindowFactory::createWindow(ProgramWindow window) {
  ProgramModel& model = windows_.model;
  bool made = false;
  switch (window) {
    case ProgramWindow::ControlPanel:
      model.createControlPanel(std::move(clockPictures_));
      made = createModelWindow(windows_.controlPanel, model.controlPanel()->components());
      break;
    case ProgramWindow::DailyPlanner:
      made = createModelWindow(windows_.dailyPlanner, model.createDailyPlanner().components());
      break;
    case ProgramWindow::ReminderPopup:
      made = createModelWindow(windows_.reminderPopup, model.createReminderPopup().components());
      break;
    case ProgramWindow::RssTicker:
      made = createModelWindow(windows_.rssTicker, model.createTicker().components());
      break;
    case ProgramWindow::RssPageView:
      made = createModelWindow(windows_.rssPageView, model.createPageView().components());
      break;
    case ProgramWindow::TodaysDate:
      made = createModelWindow(windows_.todaysDate, model.createTodaysDate().components());
      break;
  }
  if (made) windows_.syncAll();
  return made;
}

}  // namespace tikora
