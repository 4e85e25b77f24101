// Start-up of the program: the single-instance test, the application title, and the creation of
// the seven windows in their fixed order, each completely before the next.
//
// The Win32 layer makes the windows; this class decides what happens and in which order, and
// talks to the system only through the platform interfaces, so every path (a second copy, a
// folder that refuses the write probe, a window that cannot be made) runs in a unit test.
//
// The clock window's own creation is split into the steps around it:
//   mutex "VoiceTikoraMutex" -> write probe -> the window -> tray icon -> off the task bar
//   -> hand and frame styles from the registry -> frame, strip, stripe and hand pictures
// after which the control panel, planner, reminder popup, RSS ticker, RSS page view and today's
// date windows follow.
#pragma once
#include <string>
#include <string_view>

#include "clock/clock_start_pictures.h"
#include "platform/files.h"
#include "platform/message_box.h"
#include "platform/registry.h"
#include "platform/resources.h"
#include "platform/shell.h"
#include "platform/single_instance.h"

namespace tikora {

inline constexpr std::wstring_view kWriteProbeFileName = L"test";

// "     Tikora already running ...\r" and a line of 36 underscores.
std::wstring alreadyRunningMessage();
// The write probe's failure message, ending in a line of 55 underscores.
std::wstring administratorMessage();

// The application's title before it is set: the program file's name without its extension,
// every letter after the first in lower case ("C:\Apps\TIKORA.EXE" -> "Tikora",
// "tikora.exe" -> "tikora").
std::wstring defaultTitle(std::wstring_view programPath);

// The windows other than the clock window, in creation order.
enum class ProgramWindow {
  ControlPanel,   // TForm2: loads the settings, places the clock, prepares the face
  DailyPlanner,   // TForm3
  ReminderPopup,  // TForm4
  RssTicker,      // TForm5: fills controls of the control panel, so after it
  RssPageView,    // TForm6
  TodaysDate,     // TForm7
};
inline constexpr ProgramWindow kWindowCreationOrder[] = {ProgramWindow::ControlPanel,  ProgramWindow::DailyPlanner,
                                                         ProgramWindow::ReminderPopup, ProgramWindow::RssTicker,
                                                         ProgramWindow::RssPageView,   ProgramWindow::TodaysDate};

// What start-up asks of the window layer, called in this order. A `false` stops start-up: the
// layer destroys whatever it has made and the program ends.
class WindowFactory {
 public:
  virtual ~WindowFactory() = default;

  // The clock window, hidden, captioned "Tikora", 240 x 240, see-through white.
  virtual bool createClockWindow() = 0;
  // The tray icon with the program icon, at once switched to the clock's image 0.
  virtual void addTrayIcon() = 0;
  // Keeps the program off the task bar.
  virtual void removeFromTaskbar() = 0;
  // The clock window's frame, strip, stripe and hand lists.
  virtual void setClockPictures(ClockStartPictures pictures) = 0;
  // One of the other windows, created completely (its own initialisation included) and hidden.
  virtual bool createWindow(ProgramWindow window) = 0;
};

enum class StartupResult {
  RunMessageLoop,  // every window made: run the loop, which shows the clock window
  AlreadyRunning,  // another copy runs: told the user, made nothing
  ProbeFailed,     // the application-data folder refused the probe file: told the user
  WindowFailed,    // a window could not be made
};

struct StartupServices {
  SingleInstance& singleInstance;
  MessageBoxService& messageBoxes;
  Shell& shell;
  Files& files;
  Registry& registry;
  const Resources& resources;
  WindowFactory& windows;
};

class Startup {
 public:
  explicit Startup(StartupServices services) : s_(services) {}

  // Runs start-up up to the message loop. Every result but RunMessageLoop means: end now, with
  // exit code 0.
  StartupResult run();

  // The caption of plain message boxes: the default title until start-up sets "Tikora".
  const std::wstring& applicationTitle() const { return title_; }
  const FaceStyles& faceStyles() const { return styles_; }

 private:
  enum class Probe { Passed, Failed, Skipped };
  Probe writeProbe();
  void showPlainMessage(std::wstring text);

  StartupServices s_;
  std::wstring title_;
  FaceStyles styles_;
};

}  // namespace tikora
