// The Win32 clock, sound, power, single-instance and message-box services against the real
// system. Nothing here shuts down, logs off or hibernates: only the privilege request and the
// hibernation query are exercised.
#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <string>
#include <thread>
#include <vector>

#include "platform/win32/win32_clock.h"
#include "platform/win32/win32_message_box.h"
#include "platform/win32/win32_power.h"
#include "platform/win32/win32_single_instance.h"
#include "platform/win32/win32_sound.h"

namespace tikora {
namespace {

std::wstring uniqueName(const wchar_t* stem) {
  return std::wstring(stem) + std::to_wstring(GetCurrentProcessId()) + L"_" + std::to_wstring(GetTickCount());
}

TEST(Win32ClockTest, GivesTheLocalTimeAndARunningTickCount) {
  Win32Clock clock;
  SYSTEMTIME before{};
  GetLocalTime(&before);
  const LocalTime t = clock.now();
  EXPECT_GE(t.year, 2020);
  EXPECT_TRUE(t.month >= 1 && t.month <= 12);
  EXPECT_TRUE(t.day >= 1 && t.day <= 31);
  EXPECT_TRUE(t.hour >= 0 && t.hour <= 23 && t.minute >= 0 && t.minute <= 59);
  EXPECT_TRUE(t.second >= 0 && t.second <= 59 && t.millisecond >= 0 && t.millisecond <= 999);
  if (t.day == before.wDay) {  // agrees with GetLocalTime, unless midnight passed in between
    const int minutes = t.hour * 60 + t.minute;
    const int minutesBefore = before.wHour * 60 + before.wMinute;
    EXPECT_GE(minutes, minutesBefore);
    EXPECT_LE(minutes - minutesBefore, 1);
  }
  const std::chrono::year_month_day date{std::chrono::year{t.year}, std::chrono::month{static_cast<unsigned>(t.month)},
                                         std::chrono::day{static_cast<unsigned>(t.day)}};
  EXPECT_EQ(static_cast<unsigned>(t.dayOfWeek), std::chrono::weekday{std::chrono::sys_days{date}}.c_encoding());

  // The tick count runs, in milliseconds.
  const std::uint32_t first = clock.tickCount();
  std::uint32_t second = first;
  for (int i = 0; i < 5000 && second == first; ++i) {
    Sleep(1);
    second = clock.tickCount();
  }
  EXPECT_GT(second - first, 0u);  // wrap-safe
  EXPECT_LT(second - first, 1000u);
}

TEST(Win32SoundTest, MissingResourcesPlayNothingAndReportIt) {
  Win32Sound sound;  // the test program has no WAVE resources at all
  EXPECT_FALSE(sound.playAsyncOnce(L"dzwiek1"));
  EXPECT_FALSE(sound.playAsyncLooped(L"powiadomienie"));
  EXPECT_FALSE(sound.playSync(L"ang_20_f"));
  EXPECT_FALSE(sound.playAsyncNoStop(L"powiadomienie", SoundRepeat::Looped));
  EXPECT_FALSE(sound.playAsyncOnce(L""));
  sound.stopAll();
  sound.stopAll();
}

// The program's WAVE resources, from tikora.exe loaded as a data file beside the tests.
TEST(Win32SoundTest, PlaysResourcesOfTheGivenModuleByName) {
  HMODULE program = LoadLibraryExW(TIKORA_EXE_NAME, nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
  if (!program) GTEST_SKIP() << "tikora.exe is not beside the tests";
  {
    Win32Sound sound(program);
    // Without an audio device a synchronous sound cannot play, but an asynchronous start is
    // accepted: only the asynchronous result is the same everywhere.
    EXPECT_TRUE(sound.playAsyncOnce(L"DZWIEK1")) << "resource names ignore case";
    sound.stopAll();
    EXPECT_FALSE(sound.playAsyncOnce(L"dzwiek13"));
    sound.stopAll();
  }
  FreeLibrary(program);
}

TEST(Win32PowerTest, EnablesTheShutdownPrivilegeAndAnswersTheHibernationQuery) {
  Win32Power power;
  const bool enabled = power.enableShutdownPrivilege();
  if (enabled) {
    // The token now really holds the privilege, enabled.
    HANDLE token = nullptr;
    ASSERT_TRUE(OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token));
    LUID shutdown{};
    ASSERT_TRUE(LookupPrivilegeValueW(nullptr, SE_SHUTDOWN_NAME, &shutdown));
    DWORD size = 0;
    GetTokenInformation(token, TokenPrivileges, nullptr, 0, &size);
    std::vector<std::uint8_t> buffer(size);
    ASSERT_TRUE(GetTokenInformation(token, TokenPrivileges, buffer.data(), size, &size));
    CloseHandle(token);
    const auto* privileges = reinterpret_cast<const TOKEN_PRIVILEGES*>(buffer.data());
    bool found = false;
    for (DWORD i = 0; i < privileges->PrivilegeCount; ++i) {
      const auto& p = privileges->Privileges[i];
      if (p.Luid.LowPart == shutdown.LowPart && p.Luid.HighPart == shutdown.HighPart)
        found = (p.Attributes & SE_PRIVILEGE_ENABLED) != 0;
    }
    EXPECT_TRUE(found);
  }
  EXPECT_EQ(power.enableShutdownPrivilege(), enabled) << "asking twice gives the same answer";
  const bool allowed = power.hibernateAllowed();
  EXPECT_EQ(power.hibernateAllowed(), allowed);
}

// Wine cannot create windows without an X display.
constexpr const char* kNoDisplay = "no display for windows: run the Win32 tests under xvfb-run";

// A top-level window of this process with the given caption, destroyed with the object.
class TestWindow {
 public:
  TestWindow(const std::wstring& caption, bool visible) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"TikoraTestWindow";
    RegisterClassW(&wc);  // fails harmlessly when already registered
    window_ = CreateWindowExW(0, wc.lpszClassName, caption.c_str(), WS_OVERLAPPEDWINDOW | (visible ? WS_VISIBLE : 0), 0,
                              0, 100, 100, nullptr, nullptr, wc.hInstance, nullptr);
  }
  ~TestWindow() {
    if (window_) DestroyWindow(window_);
  }
  TestWindow(const TestWindow&) = delete;
  TestWindow& operator=(const TestWindow&) = delete;
  HWND handle() const { return window_; }

 private:
  HWND window_ = nullptr;
};

TEST(Win32SingleInstanceTest, FindsTopLevelWindowsByExactCaption) {
  Win32SingleInstance instance;
  const std::wstring caption = uniqueName(L"TikoraCaption");
  EXPECT_FALSE(instance.windowWithCaptionExists(caption, WindowOwner::AnyProcess));
  {
    TestWindow hidden(caption, false);
    if (!hidden.handle()) GTEST_SKIP() << kNoDisplay;
    ASSERT_FALSE(IsWindowVisible(hidden.handle()));
    EXPECT_TRUE(instance.windowWithCaptionExists(caption, WindowOwner::AnyProcess));
    EXPECT_FALSE(instance.windowWithCaptionExists(caption, WindowOwner::OtherProcess))
        << "the window is this process's own";
    std::wstring upper = caption;
    for (auto& c : upper) c = static_cast<wchar_t>(towupper(c));
    EXPECT_FALSE(instance.windowWithCaptionExists(upper, WindowOwner::AnyProcess));
    EXPECT_FALSE(instance.windowWithCaptionExists(caption + L" ", WindowOwner::AnyProcess));
    EXPECT_FALSE(instance.windowWithCaptionExists(caption.substr(1), WindowOwner::AnyProcess));
  }
  EXPECT_FALSE(instance.windowWithCaptionExists(caption, WindowOwner::AnyProcess));

  TestWindow visible(caption, true);
  ASSERT_NE(visible.handle(), nullptr);
  EXPECT_TRUE(instance.windowWithCaptionExists(caption, WindowOwner::AnyProcess));
}

TEST(Win32SingleInstanceTest, CreatedMutexesCanBeFoundByName) {
  Win32SingleInstance instance;
  const std::wstring name = uniqueName(L"TikoraTestMutex");
  EXPECT_FALSE(instance.mutexExists(name));
  EXPECT_EQ(instance.createMutex(name), MutexCreation::Created);
  EXPECT_TRUE(instance.mutexExists(name));
  EXPECT_EQ(instance.createMutex(name), MutexCreation::AlreadyExisted);
  EXPECT_FALSE(instance.mutexExists(name + L"x"));
  // Not owned by the creator: another thread can take it at once.
  HANDLE again = OpenMutexW(SYNCHRONIZE, FALSE, name.c_str());
  ASSERT_NE(again, nullptr);
  DWORD waited = WAIT_FAILED;
  std::thread other([&] {
    waited = WaitForSingleObject(again, 0);
    if (waited == WAIT_OBJECT_0) ReleaseMutex(again);
  });
  other.join();
  CloseHandle(again);
  EXPECT_EQ(waited, DWORD{WAIT_OBJECT_0});
}

// Waits on another thread for the box captioned `caption`, reads its text, looks at it and at
// its owner, and presses `button`.
class BoxAnswerer {
 public:
  BoxAnswerer(std::wstring caption, int button, HWND owner = nullptr)
      : thread_([this, caption = std::move(caption), button, owner] {
          for (int i = 0; i < 500 && !box_; ++i) {
            box_ = FindWindowW(L"#32770", caption.c_str());
            if (!box_) Sleep(10);
          }
          if (!box_) return;
          wchar_t text[512] = {};
          GetDlgItemTextW(box_, 0xFFFF, text, 512);  // the message text's static control
          text_ = text;
          shown_ = IsWindowVisible(box_) != FALSE;
          ownerTakesInput_ = owner && IsWindowEnabled(owner) != FALSE;
          PostMessageW(box_, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0);
        }) {}
  ~BoxAnswerer() {
    if (thread_.joinable()) thread_.join();
  }
  void join() { thread_.join(); }
  bool found() const { return box_ != nullptr; }
  const std::wstring& text() const { return text_; }
  bool shown() const { return shown_; }
  bool ownerTakesInput() const { return ownerTakesInput_; }

 private:
  std::atomic<HWND> box_{nullptr};
  std::wstring text_;
  bool shown_ = false;
  bool ownerTakesInput_ = false;
  std::thread thread_;
};

TEST(Win32MessageBoxTest, ShowsTheTextAndReturnsTheButtonPressed) {
  if (!TestWindow(L"probe", false).handle()) GTEST_SKIP() << kNoDisplay;
  Win32MessageBox boxes;
  const std::wstring caption = uniqueName(L"Control Panel - Settings ");
  {
    BoxAnswerer answerer(caption, IDNO);
    const auto answer = boxes.show(
        {caption, L"   Do you want save settings ? \r", MessageBoxButtons::YesNo, MessageBoxIcon::Information, {}});
    answerer.join();
    ASSERT_TRUE(answerer.found());
    EXPECT_EQ(answer, MessageBoxAnswer::No);
    EXPECT_EQ(answerer.text(), L"   Do you want save settings ? \r");
  }
  {
    BoxAnswerer answerer(caption, IDOK);
    EXPECT_EQ(boxes.show({caption, L"done", MessageBoxButtons::Ok, MessageBoxIcon::Warning, {}}), MessageBoxAnswer::Ok);
  }
}

// A feed read's message, owned by the control panel even while the panel is hidden (a scheduled
// read at night): the box shows, and the panel, "Read RSS Channel" with it, takes no input
// until the box is answered.
TEST(Win32MessageBoxTest, ABoxOwnedByAHiddenWindowShowsAndKeepsThatWindowFromInput) {
  TestWindow panel(L"panel", false);
  if (!panel.handle()) GTEST_SKIP() << kNoDisplay;
  Win32MessageBox boxes;
  boxes.addWindow(L"TForm2", panel.handle());
  const std::wstring caption = uniqueName(L"Tikora ");
  BoxAnswerer answerer(caption, IDOK, panel.handle());
  EXPECT_EQ(
      boxes.show({caption, L"Cannot Get This RSS Channel", MessageBoxButtons::Ok, MessageBoxIcon::None, L"TForm2"}),
      MessageBoxAnswer::Ok);
  answerer.join();
  ASSERT_TRUE(answerer.found());
  EXPECT_TRUE(answerer.shown());
  EXPECT_FALSE(answerer.ownerTakesInput());
  EXPECT_TRUE(IsWindowEnabled(panel.handle())) << "and takes input again once it is answered";
}

}  // namespace
}  // namespace tikora
