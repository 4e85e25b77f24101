// Start-up sequence; see startup.h.
#include "clock/startup.h"

#include <utility>

#include "clock/program_identity.h"

namespace tikora {
namespace {

// Lower case of the letters a program file name is likely to hold: Latin (ASCII, Latin-1 and
// Latin Extended-A), Greek and Cyrillic capitals. Everything else stays as it is.
wchar_t lowerCase(wchar_t c) {
  if ((c >= L'A' && c <= L'Z') || (c >= 0x00C0 && c <= 0x00DE && c != 0x00D7) ||
      (c >= 0x0391 && c <= 0x03AB && c != 0x03A2) || (c >= 0x0410 && c <= 0x042F))
    return static_cast<wchar_t>(c + 0x20);
  if (c >= 0x0400 && c <= 0x040F) return static_cast<wchar_t>(c + 0x50);
  if (c == 0x0130) return L'i';
  if (c == 0x0178) return 0x00FF;
  // Latin Extended-A pairs a capital with the small letter that follows it; the runs from
  // U+0139 to U+0148 and from U+0179 to U+017E start one code point later.
  const bool oddRun = (c >= 0x0139 && c <= 0x0148) || (c >= 0x0179 && c <= 0x017E);
  const bool evenRun = (c >= 0x0100 && c <= 0x0137 && c != 0x0130) || (c >= 0x014A && c <= 0x0177);
  if ((oddRun && c % 2 == 1) || (evenRun && c % 2 == 0)) return static_cast<wchar_t>(c + 1);
  return c;
}

}  // namespace

std::wstring alreadyRunningMessage() { return L"     Tikora already running ...\r" + std::wstring(36, L'_'); }

std::wstring administratorMessage() {
  return L"      Open Tikora as an Administrator...\r"
         L"          and give the program full privileges.\r" +
         std::wstring(55, L'_');
}

std::wstring defaultTitle(std::wstring_view programPath) {
  const std::size_t slash = programPath.find_last_of(L"\\/");
  std::wstring_view name = slash == std::wstring_view::npos ? programPath : programPath.substr(slash + 1);
  // The extension is what follows the last dot; a name that is only ".exe" keeps its dot.
  if (const std::size_t dot = name.find_last_of(L'.'); dot != std::wstring_view::npos && dot > 0)
    name = name.substr(0, dot);
  std::wstring title(name);
  for (std::size_t i = 1; i < title.size(); ++i) title[i] = lowerCase(title[i]);
  // A program file saved in lower case still gives a proper title: "tikora.exe" is "Tikora".
  if (!title.empty() && title[0] >= L'a' && title[0] <= L'z') title[0] = static_cast<wchar_t>(title[0] - 0x20);
  return title;
}

void Startup::showPlainMessage(std::wstring text) {
  MessageBoxRequest request;
  request.caption = title_;
  request.text = std::move(text);
  request.buttons = MessageBoxButtons::Ok;
  request.icon = MessageBoxIcon::None;
  (void)s_.messageBoxes.show(request);
}

Startup::Probe Startup::writeProbe() {
  // When the shell cannot name the application-data folder there is nothing to probe, and the
  // start goes on. Nothing of the program is kept in that folder (settings live in the
  // registry, the page file in the internet cache), so refusing to start would take the clock
  // away for no gain, and telling the user to run it as an administrator would send them after
  // a cure that does not help.
  const Result<std::wstring> folder = s_.shell.appDataFolder();
  if (!folder || folder->empty()) return Probe::Skipped;
  std::wstring path = *folder;
  if (path.back() != L'\\' && path.back() != L'/') path += L'\\';
  path += kWriteProbeFileName;

  // A "test" file already there is not ours: creating the probe would empty it and deleting
  // it would lose it. Leave it alone; the folder has been written to before.
  if (s_.files.fileExists(path)) return Probe::Skipped;

  const Status created = s_.files.createEmptyFile(path);
  // A failed create may still have left a file; the probe never leaves anything behind.
  if (s_.files.fileExists(path)) (void)s_.files.removeFile(path);
  return created ? Probe::Passed : Probe::Failed;
}

StartupResult Startup::run() {
  // Message boxes before the title is set carry the program file's name.
  title_ = defaultTitle(s_.shell.programPath());

  // No window of this process has the clock's caption yet, so any window found is another
  // copy's, hidden clocks included.
  if (s_.singleInstance.windowWithCaptionExists(kClockWindowCaption, WindowOwner::AnyProcess)) {
    showPlainMessage(alreadyRunningMessage());
    return StartupResult::AlreadyRunning;
  }

  title_ = std::wstring(kApplicationTitle);

  // The clock window. The mutex only tells other programs that the clock runs; the caption
  // test above is what keeps a second copy out, so an existing mutex changes nothing.
  (void)s_.singleInstance.createMutex(kInstanceMutexName);
  if (writeProbe() == Probe::Failed) {
    // The program ends here rather than creating the other windows only to leave the message
    // loop at once: no clock flashes up, no tray icon appears and vanishes, and a first run
    // writes no settings for a program that never ran.
    showPlainMessage(administratorMessage());
    return StartupResult::ProbeFailed;
  }
  if (!s_.windows.createClockWindow()) return StartupResult::WindowFailed;
  s_.windows.addTrayIcon();
  s_.windows.removeFromTaskbar();
  styles_ = readFaceStyles(s_.registry);
  s_.windows.setClockPictures(loadClockStartPictures(styles_, s_.resources));

  for (const ProgramWindow window : kWindowCreationOrder)
    if (!s_.windows.createWindow(window)) return StartupResult::WindowFailed;
  return StartupResult::RunMessageLoop;
}

}  // namespace tikora
