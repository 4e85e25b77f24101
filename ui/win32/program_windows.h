// The program's seven windows over the program's models, one reference each, set as each is
// created and kept until the program ends. Windows reach each other only through this record,
// and after any event in any of them all of them show their models again: an event in one
// window may change another (the control panel recolours the clock, a tick moves the hands).
#pragma once
#include <windows.h>

#include <array>
#include <memory>

#include "program/program_model.h"

namespace tikora {

class ClockWindow;
class ModelWindow;

struct ProgramWindows {
  explicit ProgramWindows(ProgramModel& model);
  ProgramWindows(const ProgramWindows&) = delete;
  ProgramWindows& operator=(const ProgramWindows&) = delete;
  // Destroys the windows, the clock window last.
  ~ProgramWindows();

  // Every window shows its model's state again.
  void syncAll();
  // Between two messages, when no handler is left running: every window shows what its model
  // marked since the last settle, and the marks are taken.
  void settleAll();
  // Tab, arrow keys and mnemonics between the controls of the window `message` is for.
  bool isDialogMessage(MSG& message);
  // The windows made from models, in start-up's order; null where not made.
  std::array<ModelWindow*, 6> modelWindows() const;

  ProgramModel& model;
  std::unique_ptr<ClockWindow> clock;          // TForm1
  std::unique_ptr<ModelWindow> controlPanel;   // TForm2
  std::unique_ptr<ModelWindow> dailyPlanner;   // TForm3
  std::unique_ptr<ModelWindow> reminderPopup;  // TForm4
  std::unique_ptr<ModelWindow> rssTicker;      // TForm5
  std::unique_ptr<ModelWindow> rssPageView;    // TForm6
  std::unique_ptr<ModelWindow> todaysDate;     // TForm7
};

}  // namespace tikora
