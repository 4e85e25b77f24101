// Reading and writing the settings under HKEY_CURRENT_USER "Tikora", and the start-with-Windows
// entry under the Run key.
//
// Loading sets the Settings fields the way the control panel's controls would be set: a check
// box that changes, a radio button that becomes selected and a scroll bar that moves each report
// a SettingEvent, at once and in load order, so that the control panel runs the control's click
// or change action while the later values are still unread, just as if the user had changed it.
// Lists, colour boxes, the edit, the up-down and the date pickers report nothing; the control
// panel applies those afterwards.
#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "clock/settings.h"
#include "clock/settings_schema.h"
#include "platform/registry.h"
#include "platform/result.h"

namespace tikora {

inline constexpr std::wstring_view kSettingsKeyPath = L"Tikora";
inline constexpr std::wstring_view kRunKeyPath = L"\\Software\\Microsoft\\Windows\\CurrentVersion\\Run";
inline constexpr std::wstring_view kRunValueName = L"Tikora";

// The ticker font the first run writes, whatever the ticker's controls show before loading.
inline constexpr std::wstring_view kFirstRunTickerFont = L"Arial";
inline constexpr std::int32_t kFirstRunTickerFontStyle = 0;
inline constexpr std::int32_t kFirstRunTickerFontSize = 2;  // "14"

enum class SettingAction { Click, Change };

struct SettingEvent {
  const SettingSpec* setting = nullptr;  // the value loaded; its control is setting->component
  SettingAction action = SettingAction::Click;
  friend bool operator==(const SettingEvent&, const SettingEvent&) = default;
};

// Runs a control's action for a loaded value. The Settings record already holds that value (and
// every value loaded before it) when it is called.
using SettingEventHandler = std::function<void(const SettingEvent&)>;

struct SettingsLoadReport {
  bool firstRun = false;                  // the key did not exist: the first-run write was done instead
  Status firstRunStatus;                  // the first-run write's outcome (first failure), when it ran
  std::vector<std::wstring_view> loaded;  // the values read, in order
  std::wstring_view stoppedAt;            // the first value that could not be read, if any
  std::vector<SettingEvent> events;       // the same events the handler was given, in order
};

// What the "Start with System" action did.
struct StartWithSystemReport {
  bool runKeyOpened = false;  // false: nothing at all was written
  Status runValue;            // writing or deleting the Run value ("Tikora" not there is fine)
  Status setting;             // the `startWithSystem` write, or why the settings key did not open
};

class SettingsStore {
 public:
  // `programPath` is the running program's full file name, as the Run value stores it.
  SettingsStore(Registry& registry, std::wstring programPath)
      : registry_(registry), programPath_(std::move(programPath)) {}

  // The control panel's load: the first-run write when the key does not exist; otherwise group
  // A, and group B when group A was read to its end, each stopping at the first value that is
  // missing, of another type or (dates and times) not a valid date. What is not read keeps its
  // value in `settings` (the defaults, on a fresh record).
  SettingsLoadReport load(Settings& settings, const SettingEventHandler& onEvent = {});

  // Creates the key and writes every value of the table from `settings` (the controls' initial
  // states) with the first-run ticker font, which is also put into `settings`; then runs the
  // "Start with System" action for `settings.startWithSystem`. A write that fails ends the writing and
  // leaves the values before it; the start-with-Windows action runs all the same. Gives the
  // first failure of the writing.
  Status firstRunWrite(Settings& settings);

  // The ticker window's creation: when the key exists, reads `rssChannel`, `tickerFontName`, `tickerFontStyle`,
  // `tickerFontSize`, `tickerTop`, `tickerStep`, `tickerInterval` in that order, ending at the first one that cannot be
  // read. Reports the scroll bars that move.
  SettingsLoadReport loadTickerGroup(Settings& settings, const SettingEventHandler& onEvent = {});

  // The close action's save: opens the key, creating it if needed, and writes every value of the
  // save order from `settings`; `startWithSystem` only when the key holds no readable value of it.
  // Ends at the first write that fails, keeping the values written before it; the key is closed
  // once either way.
  Status save(const Settings& settings);

  // The "Start with System" box's click action: opens the Run key (never creating it); if it
  // opens, writes the Run value "Tikora" = the program path when `ticked`, or deletes it when not,
  // then writes `startWithSystem` = `ticked` if the settings key opens (never creating it).
  StartWithSystemReport startWithSystem(bool ticked);

  // The single write of `startWithSystem`: into the settings key if it opens (never creating it).
  Status writeStartWithSystemSetting(bool ticked);

  const std::wstring& programPath() const { return programPath_; }

 private:
  Registry& registry_;
  std::wstring programPath_;
};

}  // namespace tikora
