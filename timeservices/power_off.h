// The power-off timer: shuts the computer down, logs the user off or hibernates it after a
// number of minutes ("Set Minutes") or at an exact time of day ("Set Exact Time"). This holds
// the handlers of the "Shutdown PC /Log off from Windows/Hibernation" group, the countdown,
// warning, action and blinking steps of the second tick, the "Force Shutdown" blinker,
// and the two system operations, which go through the Power interface only.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/component.h"
#include "core/datetime.h"
#include "timeservices/context.h"

namespace tikora {

enum class PowerOffAction { None, Shutdown, LogOff, Hibernation };

PowerOffAction chosenPowerOffAction(const Settings& settings);
// The warning sound chosen in the hidden group: "shutdown", "shutdown1", "shutdown2"; empty when
// none is chosen.
std::wstring warningSoundName(const Settings& settings);
// The face line in the last minute on odd seconds: " SHUTDOWN ", " LOG OFF ", " HIBERNATION ";
// empty for no action.
std::wstring_view actionLineText(PowerOffAction action);
// The text an exact-time list shows for item `index` ("00", "07", "23"); empty for no item.
std::wstring exactTimeItemText(std::int32_t index, int itemCount);

// Flags of the three requests.
inline constexpr std::uint32_t kShutdownFlags = kExitPowerOff;                     // 8
inline constexpr std::uint32_t kForcedShutdownFlags = kExitPowerOff | kExitForce;  // 12
inline constexpr std::uint32_t kLogOffFlags = kExitLogOff | kExitForce;            // 4

inline constexpr std::wstring_view kMinutesBoxMessage = L"Set Only Digits from Range 0 to 1440";
inline constexpr std::wstring_view kHibernationWarningCaption = L"Warning";
// "Your system does not support Hibernation.", a line feed, a carriage return, 50 underscores.
std::wstring hibernationNotSupportedMessage();

class PowerOffTimer {
 public:
  explicit PowerOffTimer(const TimeServicesContext& context) : c_(context) {}
  PowerOffTimer(const PowerOffTimer&) = delete;
  PowerOffTimer& operator=(const PowerOffTimer&) = delete;

  // ---- Control handlers: the control already shows its new state ----
  // "Shutdown" chosen: "Force Shutdown" shows; "Log OFF" or "Hibernation" chosen: it hides.
  void onActionChosen(bool shutdown);
  void onForceShutdownChanged();     // "Force Shutdown"
  void onMinutesArrowsClicked();     // the minutes box takes the up-down position
  void onMinutesEdited();            // the minutes box must hold a whole number
  void onHourEdited();               // the hour box must hold a whole number
  void onMinuteEdited();             // the minute box must hold a whole number
  void onSetMinutesClicked();        // "Set Minutes"
  void onSetExactTimeClicked();      // "Set Exact Time"
  void onShowPowerOffTimeChanged();  // "Show in Clock"

  // ---- The second tick's power-off steps, in order ----
  // `hhnn` is the sampled time as hour * 100 + minute.
  void tick(const CivilTime& now, int hhnn);
  void countByMinutes(int second);              // while "Set Minutes" is ticked
  void countToExactTime(const CivilTime& now);  // while "Set Exact Time" is ticked
  void exactTimeAction(int hhnn);
  void minutesAction();
  void blink(int second);

  // The "Force Shutdown" blinker, every 200 ms while it runs.
  void onBlinkTick();
  ModelTimer& blinkTimer() { return blinkTimer_; }
  const ModelTimer& blinkTimer() const { return blinkTimer_; }

  // ---- System operations ----
  // Enables the shutdown privilege (whatever the outcome) and asks to end the session.
  void exitWindows(std::uint32_t flags);
  // Hibernates when the system allows it, else warns.
  void hibernate();

  // Seconds since "Set Minutes" was last ticked or unticked.
  std::int32_t counter() const { return counter_; }
  std::uint8_t blinkCounter() const { return blinkCounter_; }

 private:
  enum class Arming { Minutes, ExactTime };

  void showArmedOptions(bool armed);

  // The minutes box as a number, nothing when it does not read as one.
  std::optional<std::int64_t> minutes() const;
  // The exact time as seconds of the day, nothing when a box does not read as a number.
  std::optional<std::int64_t> exactTimeSeconds() const;
  void playWarning();
  void showRemaining(std::int64_t remaining, int second);
  void performAction(Arming arming);
  void setLabel16(std::wstring text);

  TimeServicesContext c_;  // a copy: it only holds references
  std::int32_t counter_ = 0;
  std::uint8_t blinkCounter_ = 0;
  ModelTimer blinkTimer_{200, false};
};

}  // namespace tikora
