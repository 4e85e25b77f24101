// The power-off timer; see power_off.h.
#include "timeservices/power_off.h"

#include <utility>

#include "clock/control_panel_names.h"
#include "core/date_parts.h"

namespace tikora {
namespace {

// The minutes box as a number of minutes: a whole number, not below 0. A number below 0 would
// leave no time at all, so that a typo ("-5") powered off at the next tick.
std::optional<std::int32_t> readMinutes(const std::wstring& text) {
  const auto value = readWholeNumber(text);
  if (!value || *value < 0) return std::nullopt;
  return value;
}

}  // namespace

PowerOffAction chosenPowerOffAction(const Settings& s) {
  if (s.powerOffShutdown) return PowerOffAction::Shutdown;
  if (s.powerOffLogOff) return PowerOffAction::LogOff;
  if (s.powerOffHibernate) return PowerOffAction::Hibernation;
  return PowerOffAction::None;
}

std::wstring warningSoundName(const Settings& s) {
  if (s.warningSound1) return L"shutdown";
  if (s.warningSound2) return L"shutdown1";
  if (s.warningSound3) return L"shutdown2";
  return {};
}

std::wstring_view actionLineText(PowerOffAction action) {
  switch (action) {
    case PowerOffAction::Shutdown: return L" SHUTDOWN ";
    case PowerOffAction::LogOff: return L" LOG OFF ";
    case PowerOffAction::Hibernation: return L" HIBERNATION ";
    case PowerOffAction::None: break;
  }
  return {};
}

std::wstring exactTimeItemText(std::int32_t index, int itemCount) {
  if (index < 0 || index >= itemCount) return {};
  return twoDigits(index);
}

std::wstring hibernationNotSupportedMessage() {
  return L"Your system does not support Hibernation.\n\r" + std::wstring(50, L'_');
}

// ---- Control handlers ----

void PowerOffTimer::onActionChosen(bool shutdown) { c_.panel[kForceShutdownBox].visible = shutdown; }

void PowerOffTimer::onForceShutdownChanged() {
  if (!c_.settings.forceShutdown) c_.panel[kForceShutdownBox].textColour = kCaptionBlack;
}

void PowerOffTimer::onMinutesArrowsClicked() {
  c_.settings.powerOffMinutesText = std::to_wstring(c_.settings.powerOffMinutes);
  onMinutesEdited();
}

void PowerOffTimer::onMinutesEdited() {
  if (readMinutes(c_.settings.powerOffMinutesText)) return;
  c_.settings.powerOffMinutesText = L"1440";
  showPlainMessage(c_, std::wstring(kMinutesBoxMessage));
}

void PowerOffTimer::onHourEdited() {
  std::wstring& hour = c_.panel[kPowerOffHourList].text;
  if (!readWholeNumber(hour)) hour = L"00";
}

void PowerOffTimer::onMinuteEdited() {
  std::wstring& minute = c_.panel[kPowerOffMinuteList].text;
  if (!readWholeNumber(minute)) minute = L"00";
}

// The options that belong to an armed timer show while it is armed; disarming also takes the
// power-off line off the clock and puts its label back onto the face.
void PowerOffTimer::showArmedOptions(bool armed) {
  ComponentTable& k = c_.panel;
  for (std::wstring_view option : {kShowPowerOffTimeBox, kPowerOffTimeInFrontBox, kPowerOffWarningOnBox,
                                   kWarningSound1Button, kWarningSound2Button, kWarningSound3Button})
    k[option].visible = armed;
  if (!armed) {
    if (k[kShowPowerOffTimeBox].checked) {
      k[kShowPowerOffTimeBox].checked = false;
      onShowPowerOffTimeChanged();
    }
    if (c_.settings.powerOffTimeInFront) {
      c_.settings.powerOffTimeInFront = false;
      c_.clockWindow.setInFrontOfHands(ClockComponent::PowerOffTime, false);
    }
  }
}

void PowerOffTimer::onSetMinutesClicked() {
  ComponentTable& k = c_.panel;
  counter_ = 0;
  const bool armed = k[kSetMinutesBox].checked;
  k[kPowerOffDisplay].visible = k[kPowerOffTimeLabel].visible = armed;
  for (std::wstring_view control :
       {kPowerOffMinutesEdit, kPowerOffMinutesArrows, kPowerOffHourList, kPowerOffMinuteList, kSetExactTimeBox})
    k[control].enabled = !armed;
  showArmedOptions(armed);
}

void PowerOffTimer::onSetExactTimeClicked() {
  ComponentTable& k = c_.panel;
  const bool armed = k[kSetExactTimeBox].checked;
  k[kPowerOffDisplay].visible = k[kPowerOffTimeLabel].visible = armed;
  for (std::wstring_view control : {kPowerOffMinutesEdit, kPowerOffMinutesArrows, kSetMinutesBox})
    k[control].enabled = !armed;
  showArmedOptions(armed);
}

void PowerOffTimer::onShowPowerOffTimeChanged() {
  setInformationLine(c_.clockWindow, c_.textMetrics, ClockComponent::PowerOffTime, L"");
  c_.clockWindow.setColour(ClockComponent::PowerOffTime, c_.settings.powerOffTimeColour);
  c_.clockWindow.setVisible(ClockComponent::PowerOffTime, c_.panel[kShowPowerOffTimeBox].checked);
}

// ---- Second tick ----

std::optional<std::int64_t> PowerOffTimer::minutes() const {
  const auto value = readMinutes(c_.settings.powerOffMinutesText);
  if (!value) return std::nullopt;
  return *value;
}

std::optional<std::int64_t> PowerOffTimer::exactTimeSeconds() const {
  const auto hour = readWholeNumber(c_.panel[kPowerOffHourList].text);
  const auto minute = readWholeNumber(c_.panel[kPowerOffMinuteList].text);
  if (!hour || !minute) return std::nullopt;
  return std::int64_t{*hour} * 3600 + std::int64_t{*minute} * 60;
}

void PowerOffTimer::tick(const CivilTime& now, int hhnn) {
  if (c_.panel[kSetMinutesBox].checked) countByMinutes(now.second);
  if (c_.panel[kSetExactTimeBox].checked) countToExactTime(now);
  exactTimeAction(hhnn);
  minutesAction();
  blink(now.second);
}

void PowerOffTimer::playWarning() {
  if (!c_.settings.powerOffWarningOn) return;
  const std::wstring name = warningSoundName(c_.settings);
  if (!name.empty()) c_.sound.playAsyncOnce(name);
}

void PowerOffTimer::setLabel16(std::wstring text) {
  showTimeOverPicture(c_.panel, c_.textMetrics, kPowerOffTimeLabel, kPowerOffDisplay, std::move(text));
}

void PowerOffTimer::showRemaining(std::int64_t remaining, int second) {
  if (remaining < 0) remaining = 0;
  const std::wstring time = hoursMinutesSeconds(remaining);
  setLabel16(time);
  if (!c_.panel[kShowPowerOffTimeBox].checked) return;
  const bool lastMinute = remaining < 60;  // no hours and no minutes left
  if (lastMinute && second % 2 == 1) {
    const std::wstring_view action = actionLineText(chosenPowerOffAction(c_.settings));
    if (!action.empty())
      setInformationLine(c_.clockWindow, c_.textMetrics, ClockComponent::PowerOffTime, std::wstring(action));
    return;
  }
  setInformationLine(c_.clockWindow, c_.textMetrics, ClockComponent::PowerOffTime, L" " + time + L" ");
}

void PowerOffTimer::countByMinutes(int second) {
  const auto m = minutes();
  if (!m) return;  // the box's change handler puts a number back
  if (counter_ % 3 == 0 && *m * 60 - counter_ < 60) playWarning();
  ++counter_;
  showRemaining(*m * 60 - counter_, second);
}

void PowerOffTimer::countToExactTime(const CivilTime& now) {
  const auto target = exactTimeSeconds();
  if (!target) return;
  std::int64_t remaining = *target - (now.hour * 3600 + now.minute * 60 + now.second);
  if (remaining < 0) remaining += 86400;
  if (remaining % 3 == 0 && remaining < 60) playWarning();
  showRemaining(remaining, now.second);
}

void PowerOffTimer::exactTimeAction(int hhnn) {
  if (!c_.panel[kSetExactTimeBox].checked) return;
  const auto hour = readWholeNumber(c_.panel[kPowerOffHourList].text);
  const auto minute = readWholeNumber(c_.panel[kPowerOffMinuteList].text);
  if (!hour || !minute) return;
  // The boxes' time as hour * 100 + minute, compared with the sampled time in the same form.
  if (std::int64_t{*hour} * 100 + *minute != hhnn) return;
  performAction(Arming::ExactTime);
}

void PowerOffTimer::minutesAction() {
  if (!c_.panel[kSetMinutesBox].checked) return;
  const auto m = minutes();
  if (!m || *m * 60 - counter_ >= 1) return;
  performAction(Arming::Minutes);
}

void PowerOffTimer::performAction(Arming arming) {
  const Settings& s = c_.settings;
  if (s.powerOffHibernate) {
    // Hibernation disarms first, so it is asked for only once.
    if (arming == Arming::ExactTime) {
      c_.panel[kSetExactTimeBox].checked = false;
      onSetExactTimeClicked();
    } else {
      c_.panel[kSetMinutesBox].checked = false;
      onSetMinutesClicked();
    }
    hibernate();
  }
  if (s.powerOffShutdown) exitWindows(s.forceShutdown ? kForcedShutdownFlags : kShutdownFlags);
  if (s.powerOffLogOff) exitWindows(kLogOffFlags);
}

void PowerOffTimer::blink(int second) {
  ComponentTable& k = c_.panel;
  const Settings& s = c_.settings;
  const bool active = k[kSetMinutesBox].checked || k[kSetExactTimeBox].checked;
  const bool even = second % 2 == 0;
  k[kPowerOffHibernateButton].textColour = s.powerOffHibernate && active && even ? kCaptionRed : kCaptionBlack;
  if (s.powerOffShutdown && active && even) {
    k[kPowerOffShutdownButton].textColour = kCaptionRed;
    blinkTimer_.stop();
  } else {
    k[kPowerOffShutdownButton].textColour = kCaptionBlack;
    if (s.forceShutdown) k[kForceShutdownBox].textColour = kCaptionBlack;
    if (s.forceShutdown && active) {
      blinkCounter_ = 0;
      blinkTimer_.start();
    } else {
      blinkTimer_.stop();
    }
  }
  k[kPowerOffLogOffButton].textColour = s.powerOffLogOff && active && even ? kCaptionRed : kCaptionBlack;
}

void PowerOffTimer::onBlinkTick() {
  const std::uint8_t taken = blinkCounter_++;
  c_.panel[kForceShutdownBox].textColour = taken % 2 == 0 ? kCaptionRed : kCaptionBlack;
}

// ---- System operations ----

void PowerOffTimer::exitWindows(std::uint32_t flags) {
  c_.power.enableShutdownPrivilege();  // asked for whether or not it is granted
  c_.power.exitWindows(flags, 0);
}

void PowerOffTimer::hibernate() {
  if (c_.power.hibernateAllowed()) {
    c_.power.hibernate();
    return;
  }
  MessageBoxRequest request;
  request.caption = std::wstring(kHibernationWarningCaption);
  request.text = hibernationNotSupportedMessage();
  request.buttons = MessageBoxButtons::Ok;
  request.icon = MessageBoxIcon::Warning;
  request.owner = std::wstring(c_.messageBoxOwner);
  c_.messageBoxes.show(request);
}

}  // namespace tikora
