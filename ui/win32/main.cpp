// Program entry: start-up with the Windows services (the single-instance test, the title, the
// seven windows in their order), then the message loop, which shows the clock window. The exit
// code is always 0, and ending the program writes nothing.
#include <windows.h>
#include <commctrl.h>

#include "app/startup.h"
#include "platform/win32/win32_clock.h"
#include "platform/win32/win32_files.h"
#include "platform/win32/win32_message_box.h"
#include "platform/win32/win32_registry.h"
#include "platform/win32/win32_resources.h"
#include "platform/win32/win32_shell.h"
#include "platform/win32/win32_single_instance.h"
#include "platform/win32/win32_text_metrics.h"
#include "ui/win32/clock_window.h"
#include "ui/win32/program_windows.h"
#include "ui/win32/window_factory.h"

namespace tikora {
namespace {

int runMessageLoop(const ProgramWindows& windows) {
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    // Tab, arrow keys and mnemonics move between the control panel's controls.
    HWND panel = windows.controlPanel ? windows.controlPanel->hwnd() : nullptr;
    if (panel && IsDialogMessageW(panel, &message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return kExitCode;
}

int runProgram(HINSTANCE instance) {
  // Tool-tips and the image list come from the common controls.
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES};
  InitCommonControlsEx(&controls);

  Win32SingleInstance singleInstance;
  Win32MessageBox messageBoxes;
  Win32Shell shell;
  Win32Files files;
  Win32Registry registry;
  Win32Resources resources;
  Win32TextMetrics metrics;
  Win32Clock clock;

  // Declared after the services it uses, so the windows go before them.
  ProgramWindows windows;
  Win32WindowFactory factory(instance, windows, ControlPanelWindowServices{metrics, resources, clock},
                             metrics.dpi());
  Startup startup(StartupServices{singleInstance, messageBoxes, shell, files, registry, resources, factory});
  if (startup.run() != StartupResult::RunMessageLoop) return kExitCode;

  windows.clock->show();
  return runMessageLoop(windows);
}

}  // namespace
}  // namespace tikora

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  try {
    return tikora::runProgram(instance);
  } catch (...) {
    // Nothing is saved at the end, so there is nothing to rescue; the exit code stays 0.
    return tikora::kExitCode;
  }
}
