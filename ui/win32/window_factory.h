// Start-up's window maker for Windows: creates the clock window and the six other windows in the
// order start-up asks for them, each a view over its model in the ProgramModel, and records each
// in the program's window references.
#pragma once
#include <windows.h>

#include "clock/startup.h"
#include "platform/win32/win32_message_box.h"
#include "ui/win32/model_window.h"
#include "ui/win32/program_windows.h"

namespace tikora {

class Win32WindowFactory : public WindowFactory {
 public:
  // Each window made is made known to `messageBoxes`, which finds a box's owner by its name.
  Win32WindowFactory(HINSTANCE instance, ProgramWindows& windows, Win32MessageBox& messageBoxes)
      : instance_(instance), windows_(windows), messageBoxes_(messageBoxes) {}

  bool createClockWindow() override;
  void addTrayIcon() override;
  void removeFromTaskbar() override;
  void setClockPictures(ClockStartPictures pictures) override;
  bool createWindow(ProgramWindow window) override;

 private:
  HINSTANCE instance_;
  ProgramWindows& windows_;
  Win32MessageBox& messageBoxes_;
  // A window over a model's components, kept in `slot` and synced with the others.
  bool createModelWindow(std::unique_ptr<ModelWindow>& slot, ComponentTable& table);

  ClockStartPictures clockPictures_;  // until the control panel takes them
};

}  // namespace tikora
