// Program entry: start-up with the Windows services (the single-instance test, the title, the
// seven windows in their order), then the message loop, which shows the clock window. The exit
// code is always 0, and ending the program writes nothing.
#include <windows.h>
#include <commctrl.h>
#include <ole2.h>

#include "clock/program_identity.h"
#include "clock/startup.h"
#include "platform/win32/win32_clock.h"
#include "platform/win32/win32_code_page.h"
#include "platform/win32/win32_feed_source.h"
#include "platform/win32/win32_files.h"
#include "platform/win32/win32_locale.h"
#include "platform/win32/win32_message_box.h"
#include "platform/win32/win32_power.h"
#include "platform/win32/win32_registry.h"
#include "platform/win32/win32_resources.h"
#include "platform/win32/win32_shell.h"
#include "platform/win32/win32_single_instance.h"
#include "platform/win32/win32_sound.h"
#include "platform/win32/win32_text_metrics.h"
#include "platform/win32/win32_xml_document.h"
#include "program/program_model.h"
#include "ui/win32/clock_window.h"
#include "ui/win32/message_pump.h"
#include "ui/win32/program_windows.h"
#include "ui/win32/window_factory.h"

namespace tikora {
namespace {

// Pauses the GUI thread after the windows have shown their states.
class ShowingSleeper : public Sleeper {
 public:
  explicit ShowingSleeper(std::function<void()> showAll) : showAll_(std::move(showAll)) {}
  void sleep(std::uint32_t milliseconds) override {
    showAll_();
    GdiFlush();
    Sleep(milliseconds);
  }

 private:
  std::function<void()> showAll_;
};

// A read's answer arrives from the feed source's own window, not through any window's event:
// every window shows what the read did (the ticker started, a button disabled) once it has run.
class ShowingFeedSource : public FeedSource {
 public:
  ShowingFeedSource(FeedSource& source, std::function<void()> showAll)
      : source_(source), showAll_(std::move(showAll)) {}
  bool start(const std::wstring& address, FeedFetchDone done) override {
    return source_.start(address, [this, done = std::move(done)](FeedFetch fetch) {
      done(std::move(fetch));
      showAll_();
    });
  }
  bool busy() const override { return source_.busy(); }
  void cancel() override { source_.cancel(); }

 private:
  FeedSource& source_;
  std::function<void()> showAll_;
};

int runMessageLoop(ProgramWindows& windows) {
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    // Tab, arrow keys and mnemonics move between the controls of a window.
    if (!windows.isDialogMessage(message)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
    // Nothing of the program runs here, so no handler holds a state it has yet to write.
    windows.settleAll();
  }
  return kExitCode;
}

// OLE for the page view's embedded browser, on the GUI thread for the program's life.
class OleSession {
 public:
  OleSession() : ready_(SUCCEEDED(OleInitialize(nullptr))) {}
  ~OleSession() {
    if (ready_) OleUninitialize();
  }
  OleSession(const OleSession&) = delete;
  OleSession& operator=(const OleSession&) = delete;

 private:
  bool ready_;
};

int runProgram(HINSTANCE instance) {
  const OleSession ole;
  // Tool-tips and the image list come from the common controls.
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES};
  InitCommonControlsEx(&controls);

  // Every platform service, made once here; the models and windows are handed them.
  Win32SingleInstance singleInstance;
  Win32MessageBox messageBoxes;
  Win32Shell shell;
  Win32Files files;
  Win32Registry registry;
  Win32Resources resources;
  Win32TextMetrics metrics;  // at 96 DPI, the unit of every layout and of the face
  Win32Clock clock;
  Win32Locale locale;
  Win32Sound sound;
  Win32Power power;
  Win32AnsiCodePage codePage;
  Win32FeedSource fetches;
  Win32XmlDocument document;  // on the GUI thread, which reads the feeds

  ProgramHooks hooks;
  hooks.pumpMessages = &pumpWaitingMessages;
  hooks.pointerPosition = [] {
    POINT pointer{};
    // Where the pointer cannot be told, it is taken to be far from the clock.
    if (!GetCursorPos(&pointer)) return Point{-100000, -100000};
    return Point{pointer.x, pointer.y};
  };
  // The ticker's fades pause between their steps; every window shows its state before each
  // pause, or no step of the fade would show.
  ProgramWindows* shown = nullptr;
  const auto showAll = [&shown] {
    if (shown) shown->syncAll();
  };
  ShowingSleeper sleeper(showAll);
  ShowingFeedSource feeds(fetches, showAll);
  ProgramModel model(ProgramServices{registry, shell, metrics, clock, locale, resources, sound, power, messageBoxes,
                                     codePage, feeds, document, sleeper, files, shell.programPath()},
                     std::move(hooks));
  // Declared after the models and services they show, so the windows go before them.
  ProgramWindows windows(model);
  shown = &windows;
  Win32WindowFactory factory(instance, windows, messageBoxes);
  Startup startup(StartupServices{singleInstance, messageBoxes, shell, files, registry, resources, factory});
  if (startup.run() != StartupResult::RunMessageLoop) return kExitCode;

  model.clockWindow().setShowing(true);
  windows.syncAll();
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
