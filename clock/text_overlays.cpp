// The clock face's text overlays; see text_overlays.h.
#include "clock/text_overlays.h"

#include <iterator>
#include <utility>

#include "core/colour.h"
#include "core/date_format.h"
#include "face/digits.h"

namespace tikora {
namespace {

// Every text label of the clock window: they all wear the face font.
constexpr ClockComponent kTextLabels[] = {
    ClockComponent::DigitalTime, ClockComponent::Weekday,   ClockComponent::Date,   ClockComponent::PowerOffTime,
    ClockComponent::WorkTime,    ClockComponent::Countdown, ClockComponent::Digit1, ClockComponent::Digit2,
    ClockComponent::Digit3,      ClockComponent::Digit4,    ClockComponent::Digit5, ClockComponent::Digit6,
    ClockComponent::Digit7,      ClockComponent::Digit8,    ClockComponent::Digit9, ClockComponent::Digit10,
    ClockComponent::Digit11,     ClockComponent::Digit12,
};

// Hours whose 12-hour form has two digits ("10" to "12"): the cut of "h:mm:ss AM/PM " is one
// character longer for them.
bool twoDigitTwelveHour(int hour) {
  return hour == 10 || hour == 11 || hour == 12 || hour == 22 || hour == 23 || hour == 0;
}

}  // namespace

DigitalTimeFormat digitalTimeFormat(const Settings& settings) {
  // With neither format button selected the clock keeps to the 12 h format it starts with.
  return DigitalTimeFormat{!settings.twentyFourHourFormat, settings.digitalAmPmOff, settings.digitalSecondsOff};
}

std::wstring digitalTimeText(const CivilTime& now, const DigitalTimeFormat& format, const LocaleNames& names) {
  std::wstring text;
  digitalTimeTextInto(text, now, format, names);
  return text;
}

void digitalTimeTextInto(std::wstring& text, const CivilTime& now, const DigitalTimeFormat& format,
                         const LocaleNames& names) {
  if (!format.twelveHour) {
    formatDateTimeInto(text, format.secondsOff ? L"hh:mm" : L"hh:mm:ss", now, names);
  } else if (format.amPmOff) {
    formatDateTimeInto(text, L"h:mm:ss AM/PM ", now, names);
    const bool longHour = twoDigitTwelveHour(now.hour);
    const std::size_t keep = format.secondsOff ? (longHour ? 5 : 4) : (longHour ? 8 : 7);
    if (text.size() > keep) text.resize(keep);
  } else {
    formatDateTimeInto(text, format.secondsOff ? L"h:mm AM/PM " : L"h:mm:ss AM/PM ", now, names);
  }
}

ClockComponent informationLineLabel(InformationLine line) {
  switch (line) {
    case InformationLine::TimeToTurnOff: return ClockComponent::PowerOffTime;
    case InformationLine::SystemWorkTime: return ClockComponent::WorkTime;
    case InformationLine::Countdown: break;
  }
  return ClockComponent::Countdown;
}

TextOverlays::TextOverlays(ClockWindowModel& clock, Settings& settings, const TextMetrics& metrics,
                           const Locale& locale, TextOverlayHooks hooks)
    : clock_(clock),
      settings_(settings),
      metrics_(metrics),
      locale_(locale),
      hooks_(std::move(hooks)),
      font_{std::wstring(kClockLabelFontName), kClockLabelFontPoints, kClockLabelFontBold, false},
      amPmOffVisible_(!settings.twentyFourHourFormat),
      monthNamesEnabled_(settings.shortDate) {}

// ---- Layout helpers ----

void TextOverlays::centre(ClockComponent label, int centreX) {
  const Rect& box = clock_.layer(label).bounds;
  clock_.setPosition(label, centreX - box.width / 2, box.top);
}

void TextOverlays::setCentred(ClockComponent label, const std::wstring& text, int centreX) {
  clock_.setText(label, text);
  clock_.autoSize(label, metrics_);
  centre(label, centreX);
}

std::wstring TextOverlays::weekdayText() const {
  return settings_.weekdayShortName ? dates_.shortWeekday : dates_.longWeekday;
}

std::wstring TextOverlays::dateText() const {
  if (!settings_.shortDate) return dates_.day;
  // A month-name group with no button selected shows the long name, the group's default.
  return settings_.shortMonthName && !settings_.longMonthName ? dates_.shortMonthDay : dates_.longMonthDay;
}

// ---- Start ----

void TextOverlays::prepareAtStart(const CivilTime& today) {
  dates_ = dateTextsOf(today, locale_.names());
  const auto setTop = [this](ClockComponent label, int top) {
    clock_.setPosition(label, clock_.layer(label).bounds.left, top);
  };
  setTop(ClockComponent::PowerOffTime, kTimeToTurnOffTop);
  setTop(ClockComponent::WorkTime, kSystemWorkTimeTop);
  setTop(ClockComponent::Countdown, kCountdownTop);
  setTop(ClockComponent::DigitalTime, kDigitalTimeTop);

  clock_.setColour(ClockComponent::Weekday, settings_.weekdayColour);
  clock_.setColour(ClockComponent::Date, settings_.dateColour);
  // The information lines' colour boxes have no action when the settings are loaded, so their
  // stored colours are put on the lines here; otherwise a line would first show in a colour the
  // user never chose.
  clock_.setColour(ClockComponent::PowerOffTime, settings_.powerOffTimeColour);
  clock_.setColour(ClockComponent::WorkTime, settings_.workTimeColour);
  clock_.setColour(ClockComponent::Countdown, settings_.countdownColour);

  clock_.setText(ClockComponent::Weekday, weekdayText());
  clock_.autoSize(ClockComponent::Weekday, metrics_);
  clock_.setText(ClockComponent::Date, dateText());
  clock_.autoSize(ClockComponent::Date, metrics_);
  clock_.setVisible(ClockComponent::Weekday, !settings_.weekdayOff);
  clock_.setVisible(ClockComponent::Date, !settings_.dateOff);
  placeWeekdayAndDate();
}

void TextOverlays::placeWeekdayAndDate() {
  for (const auto label : {ClockComponent::Weekday, ClockComponent::Date}) {
    clock_.autoSize(label, metrics_);
    clock_.setPosition(label, clock_.layer(label).bounds.left, kWeekdayDateTop);
  }
  centre(ClockComponent::Weekday, kWeekdayCentre);
  centre(ClockComponent::Date, kDateCentre);
}

void TextOverlays::applyFaceFont() {
  setFontName();
  setFontStyle();
  setFontSize();
  putFontOnLabels();
}

void placeDigitLabels(ClockWindowModel& clock, const TextMetrics& metrics) {
  for (int n = 1; n <= kDigitCount; ++n) {
    const ClockComponent digit = digitComponent(n);
    clock.setText(digit, digitText(n));
    clock.autoSize(digit, metrics);
    const Rect& box = clock.layer(digit).bounds;
    const Point topLeft = digitLabelTopLeft(n, {box.width, box.height});
    clock.setPosition(digit, topLeft.x, topLeft.y);
  }
}

void TextOverlays::placeDigits() { placeDigitLabels(clock_, metrics_); }

// ---- Second tick ----

const std::wstring& TextOverlays::digitalTimeText(const CivilTime& now) const {
  digitalTimeTextInto(digitalTime_, now, digitalTimeFormat(settings_), locale_.names());
  return digitalTime_;
}

void TextOverlays::showDigitalTime(const std::wstring& text) {
  if (settings_.digitalTimeOff) {
    clock_.setVisible(ClockComponent::DigitalTime, false);
    return;
  }
  clock_.setVisible(ClockComponent::DigitalTime, true);
  clock_.setColour(ClockComponent::DigitalTime, settings_.digitalTimeColour);
  setCentred(ClockComponent::DigitalTime, text, kDigitalTimeCentre);
}

bool TextOverlays::refreshDateTexts(const CivilTime& now) {
  DateTexts today = dateTextsOf(now, locale_.names());
  if (today.day == dates_.day) return false;
  showDateTexts(std::move(today));
  return true;
}

void TextOverlays::showDateTexts(DateTexts today) {
  dates_ = std::move(today);
  setCentred(ClockComponent::Weekday, weekdayText(), kWeekdayCentre);
  setCentred(ClockComponent::Date, dateText(), kDateCentre);
}

void TextOverlays::setInformationLine(InformationLine line, std::wstring text) {
  setCentred(informationLineLabel(line), std::move(text), kInformationLineCentre);
}

// ---- Weekday and date switches ----

void TextOverlays::setDigitVisibility(int digit) {
  const DigitSwitches switches{settings_.digitsOff, settings_.weekdayOff, settings_.dateOff};
  clock_.setVisible(digitComponent(digit), digitVisible(digit, switches));
}

void TextOverlays::switchOff(ClockComponent label, bool off, int digit, int centreX) {
  // The label stands where the digit would be: one of the two shows.
  clock_.setVisible(label, !off);
  setDigitVisibility(digit);
  centre(label, centreX);
}

void TextOverlays::onWeekdayOffChanged() {
  switchOff(ClockComponent::Weekday, settings_.weekdayOff, 9, kWeekdayCentre);
}

void TextOverlays::onDateOffChanged() { switchOff(ClockComponent::Date, settings_.dateOff, 3, kDateCentre); }

void TextOverlays::onWeekdayShortNameChanged() { setCentred(ClockComponent::Weekday, weekdayText(), kWeekdayCentre); }

void TextOverlays::onShortDateChanged() {
  monthNamesEnabled_ = settings_.shortDate;
  setCentred(ClockComponent::Date, dateText(), kDateCentre);
}

void TextOverlays::onMonthNameChosen() {
  // The month-name buttons only act with "Short Date" ticked (they are disabled otherwise; a
  // selection loaded from the settings must not replace the full date).
  if (settings_.shortDate) setCentred(ClockComponent::Date, dateText(), kDateCentre);
}

void TextOverlays::onHourFormatChosen(bool twelveHours) { amPmOffVisible_ = twelveHours; }

// ---- Colours ----

void TextOverlays::onWeekdayColourChanged() {
  settings_.weekdayColour = avoidSeeThrough(settings_.weekdayColour);
  clock_.setColour(ClockComponent::Weekday, settings_.weekdayColour);
  if (hooks_.dayColourChanged) hooks_.dayColourChanged(settings_.weekdayColour);
}

void TextOverlays::onDateColourChanged() {
  settings_.dateColour = avoidSeeThrough(settings_.dateColour);
  clock_.setColour(ClockComponent::Date, settings_.dateColour);
  if (hooks_.dateColourChanged) hooks_.dateColourChanged(settings_.dateColour);
}

void TextOverlays::onDigitalTimeColourChanged() {
  settings_.digitalTimeColour = avoidSeeThrough(settings_.digitalTimeColour);
}

void TextOverlays::onPowerOffTimeColourChanged() {
  settings_.powerOffTimeColour = avoidSeeThrough(settings_.powerOffTimeColour);
  clock_.setColour(ClockComponent::PowerOffTime, settings_.powerOffTimeColour);
}

void TextOverlays::onWorkTimeColourChanged() {
  settings_.workTimeColour = avoidSeeThrough(settings_.workTimeColour);
  clock_.setColour(ClockComponent::WorkTime, settings_.workTimeColour);
}

void TextOverlays::onCountdownColourChanged() {
  settings_.countdownColour = avoidSeeThrough(settings_.countdownColour);
  clock_.setColour(ClockComponent::Countdown, settings_.countdownColour);
}

// ---- In front of the hands ----

void TextOverlays::onInFrontOfHandsChanged(ClockComponent label) {
  struct InFront {
    ClockComponent label;
    bool Settings::*box;
  };
  static constexpr InFront kBoxes[] = {
      {ClockComponent::Countdown, &Settings::countdownInFront},
      {ClockComponent::WorkTime, &Settings::workTimeInFront},
      {ClockComponent::PowerOffTime, &Settings::powerOffTimeInFront},
      {ClockComponent::Weekday, &Settings::weekdayInFront},
      {ClockComponent::Date, &Settings::dateInFront},
      {ClockComponent::DigitalTime, &Settings::digitalTimeInFront},
  };
  for (const InFront& in : kBoxes)
    if (in.label == label) clock_.setInFrontOfHands(label, settings_.*in.box);
}

// ---- Face font ----

void TextOverlays::setFontName() {
  const std::wstring& name = settings_.faceFontName;
  font_.faceName = name.empty() || name == kFaceFontPlaceholder ? std::wstring(kClockLabelFontName) : name;
}

void TextOverlays::setFontStyle() {
  switch (settings_.faceFontStyle) {
    case 0:
      font_.italic = false;
      font_.bold = false;
      break;  // "Normal"
    case 1:
      font_.italic = true;
      font_.bold = false;
      break;  // "Italic"
    case 2:
      font_.italic = false;
      font_.bold = true;
      break;  // "Bold"
    case 3:
      font_.italic = true;
      font_.bold = true;
      break;         // "Italic Bold"
    default: break;  // no item chosen: the style stays
  }
}

void TextOverlays::setFontSize() {
  const int item = settings_.faceFontSize;
  if (item >= 0 && item < int(std::size(kFaceFontSizes))) font_.points = kFaceFontSizes[item];
}

void TextOverlays::putFontOnLabels() {
  // Labels size themselves to their text; a new font keeps each label's left and top.
  for (const ClockComponent label : kTextLabels) {
    clock_.setFont(label, font_);
    clock_.autoSize(label, metrics_);
  }
}

void TextOverlays::onFaceFontNameChanged() {
  setFontName();
  putFontOnLabels();
  placeDigits();
  centre(ClockComponent::Weekday, kWeekdayCentre);
  centre(ClockComponent::Date, kDateCentre);
}

void TextOverlays::onFaceFontSizeChanged() {
  setFontSize();
  putFontOnLabels();
  placeDigits();
  centre(ClockComponent::Weekday, kWeekdayCentre);
  centre(ClockComponent::Date, kDateCentre);
}

void TextOverlays::onFaceFontStyleChanged() {
  setFontStyle();
  putFontOnLabels();
}

}  // namespace tikora
