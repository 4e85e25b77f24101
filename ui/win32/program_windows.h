// The program's seven windows, one reference each, set as each is created and kept until the
// program ends. Windows reach each other only through this record.
#pragma once
#include <memory>

namespace tikora {

class ClockWindow;
class ControlPanelWindow;
class PlainWindow;

struct ProgramWindows {
  ProgramWindows();
  ProgramWindows(const ProgramWindows&) = delete;
  ProgramWindows& operator=(const ProgramWindows&) = delete;
  // Destroys the windows, the clock window last.
  ~ProgramWindows();

  std::unique_ptr<ClockWindow> clock;                // TForm1
  std::unique_ptr<ControlPanelWindow> controlPanel;  // TForm2
  std::unique_ptr<PlainWindow> dailyPlanner;         // TForm3
  std::unique_ptr<PlainWindow> reminderPopup;        // TForm4
  std::unique_ptr<PlainWindow> rssTicker;            // TForm5
  std::unique_ptr<PlainWindow> rssPageView;          // TForm6
  std::unique_ptr<PlainWindow> todaysDate;           // TForm7
};

}  // namespace tikora
