// Start-up's window maker for Windows: creates the clock window and the six other windows in the
// order start-up asks for them, each a view over its model in the ProgramModel, and records each
// in the program's window references.
#pragma once
#include <windows.h>

#include "app/startup.h"
#include "ui/win32/model_window.h"
#include "ui/win32/program_windows.h"

namespace tikora {

class Win32WindowFactory : public WindowFactory {
 public:
  Win32WindowFactory(HINSTANCE instance, ProgramWindows& windows) : instance_(instance), windows_(windows) {}

  bool createClockWindow() override;
  void addTrayIcon() override;
  void removeFromTaskbar() override;
  void setClockPictures(ClockStartPictures pictures) override;
  bool createWindow(ProgramWindow window) override;

 private:
  HINSTANCE instance_;
  ProgramWindows& windows_;
  // A window over a model's components, kept in `slot` and synced with the others.
  bool createModelWindow(std::unique_ptr<ModelWindow>& slot, ComponentTable& table);

  ClockStartPictures clockPictures_;  // until the control panel takes them
};

}  // namespace tikora
