// Start-up's window maker; see window_factory.h.
#include "ui/win32/window_factory.h"

#include <memory>
#include <utility>

#include "ui/win32/clock_window.h"
#include "ui/win32/model_window.h"
#include "ui/win32/plain_window.h"

namespace tikora {
namespace {

bool createPlain(std::unique_ptr<PlainWindow>& slot, const PlainWindowLayout& layout, HINSTANCE instance) {
  slot = std::make_unique<PlainWindow>(layout);
  return slot->create(instance);
}

}  // namespace

bool Win32WindowFactory::createClockWindow() {
  windows_.clock = std::make_unique<ClockWindow>(instance_, windows_);
  return windows_.clock->create();
}

void Win32WindowFactory::addTrayIcon() { windows_.clock->addTrayIcon(); }

void Win32WindowFactory::removeFromTaskbar() { windows_.clock->keepOffTaskbar(); }

void Win32WindowFactory::setClockPictures(ClockStartPictures pictures) { clockPictures_ = std::move(pictures); }

bool Win32WindowFactory::createWindow(ProgramWindow window) {
  ProgramModel& model = windows_.model;
  switch (window) {
    case ProgramWindow::ControlPanel: {
      model.createControlPanel(std::move(clockPictures_));
      windows_.controlPanel = std::make_unique<ModelWindow>(instance_, model.controlPanel()->components());
      if (!windows_.controlPanel->create()) return false;
      model.controlPanel()->nativeWindow = reinterpret_cast<std::uintptr_t>(windows_.controlPanel->hwnd());
      windows_.controlPanel->view().afterEvent = [this] { windows_.syncAll(); };
      windows_.syncAll();
      return true;
    }
    case ProgramWindow::DailyPlanner:
      return createPlain(windows_.dailyPlanner, kDailyPlannerWindow, instance_);
    case ProgramWindow::ReminderPopup:
      return createPlain(windows_.reminderPopup, kReminderPopupWindow, instance_);
    case ProgramWindow::RssTicker:
      if (!createPlain(windows_.rssTicker, kRssTickerWindow, instance_)) return false;
      // The ticker's settings live in the control panel's controls; the ticker reads them when
      // it is made.
      if (model.controlPanel()) model.controlPanel()->loadTickerSettings();
      windows_.syncAll();
      return true;
    case ProgramWindow::RssPageView:
      return createPlain(windows_.rssPageView, kRssPageViewWindow, instance_);
    case ProgramWindow::TodaysDate:
      return createPlain(windows_.todaysDate, kTodaysDateWindow, instance_);
  }
  return false;
}

}  // namespace tikora
