// The clock face's text overlays; see text_overlays.h.
#include "app/text_overlays.h"

#include <iterator>
#include <utility>

#include "core/colour.h"
#include "core/date_format.h"
#include "face/digits.h"

namespace tikora {
namespace {

// Every text label of the clock window: they all wear the face font.
constexpr ClockComponent kTextLabels[] = {
    ClockComponent::Label1,  ClockComponent::Label3,  ClockComponent::Label4, ClockComponent::Label5,
    ClockComponent::Label6,  ClockComponent::Label7,  ClockComponent::cyfra1, ClockComponent::cyfra2,
    ClockComponent::cyfra3,  ClockComponent::cyfra4,  ClockComponent::cyfra5, ClockComponent::cyfra6,
    ClockComponent::cyfra7,  ClockComponent::cyfra8,  ClockComponent::cyfra9, ClockComponent::cyfra10,
    ClockComponent::cyfra11, ClockComponent::cyfra12,
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
  if (!format.twelveHour) return formatDateTime(format.secondsOff ? L"hh:mm" : L"hh:mm:ss", now, names);
  if (format.amPmOff) {
    const std::wstring full = formatDateTime(L"h:mm:ss AM/PM ", now, names);
    const bool longHour = twoDigitTwelveHour(now.hour);
    const std::size_t keep = format.secondsOff ? (longHour ? 5 : 4) : (longHour ? 8 : 7);
    return full.substr(0, keep);
  }
  return formatDateTime(format.secondsOff ? L"h:mm AM/PM " : L"h:mm:ss AM/PM ", now, names);
}

ClockComponent informationLineLabel(InformationLine line) {
  switch (line) {
    case InformationLine::TimeToTurnOff: return ClockComponent::Label5;
    case InformationLine::SystemWorkTime: return ClockComponent::Label6;
    case InformationLine::Countdown: break;
  }
  return ClockComponent::Label7;
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

void TextOverlays::setCentred(ClockComponent label, std::wstring text, int centreX) {
  clock_.setText(label, std::move(text));
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
  setTop(ClockComponent::Label5, kTimeToTurnOffTop);
  setTop(ClockComponent::Label6, kSystemWorkTimeTop);
  setTop(ClockComponent::Label7, kCountdownTop);
  setTop(ClockComponent::Label1, kDigitalTimeTop);

  clock_.setColour(ClockComponent::Label3, settings_.weekdayColour);
  clock_.setColour(ClockComponent::Label4, settings_.dateColour);
  // The information lines' colour boxes have no action when the settings are loaded, so their
  // stored colours are put on the lines here; otherwise a line would first show in a colour the
  // user never chose.
  clock_.setColour(ClockComponent::Label5, settings_.powerOffTimeColour);
  clock_.setColour(ClockComponent::Label6, settings_.workTimeColour);
  clock_.setColour(ClockComponent::Label7, settings_.countdownColour);

  clock_.setText(ClockComponent::Label3, weekdayText());
  clock_.autoSize(ClockComponent::Label3, metrics_);
  clock_.setText(ClockComponent::Label4, dateText());
  clock_.autoSize(ClockComponent::Label4, metrics_);
  clock_.setVisible(ClockComponent::Label3, !settings_.weekdayOff);
  clock_.setVisible(ClockComponent::Label4, !settings_.dateOff);
  placeWeekdayAndDate();
}

void TextOverlays::placeWeekdayAndDate() {
  for (const auto label : {ClockComponent::Label3, ClockComponent::Label4}) {
    clock_.autoSize(label, metrics_);
    clock_.setPosition(label, clock_.layer(label).bounds.left, kWeekdayDateTop);
  }
  centre(ClockComponent::Label3, kWeekdayCentre);
  centre(ClockComponent::Label4, kDateCentre);
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

std::wstring TextOverlays::digitalTimeText(const CivilTime& now) const {
  return tikora::digitalTimeText(now, digitalTimeFormat(settings_), locale_.names());
}

void TextOverlays::showDigitalTime(const std::wstring& text) {
  if (settings_.digitalTimeOff) {
    clock_.setVisible(ClockComponent::Label1, false);
    return;
  }
  clock_.setVisible(ClockComponent::Label1, true);
  clock_.setColour(ClockComponent::Label1, settings_.digitalTimeColour);
  setCentred(ClockComponent::Label1, text, kDigitalTimeCentre);
}

bool TextOverlays::refreshDateTexts(const CivilTime& now) {
  DateTexts today = dateTextsOf(now, locale_.names());
  if (today.day == dates_.day) return false;
  showDateTexts(std::move(today));
  return true;
}

void TextOverlays::showDateTexts(DateTexts today) {
  dates_ = std::move(today);
  setCentred(ClockComponent::Label3, weekdayText(), kWeekdayCentre);
  setCentred(ClockComponent::Label4, dateText(), kDateCentre);
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

void TextOverlays::CheckBox1Click() { switchOff(ClockComponent::Label3, settings_.weekdayOff, 9, kWeekdayCentre); }

void TextOverlays::CheckBox3Click() { switchOff(ClockComponent::Label4, settings_.dateOff, 3, kDateCentre); }

void TextOverlays::CheckBox2Click() { setCentred(ClockComponent::Label3, weekdayText(), kWeekdayCentre); }

void TextOverlays::CheckBox4Click() {
  monthNamesEnabled_ = settings_.shortDate;
  setCentred(ClockComponent::Label4, dateText(), kDateCentre);
}

void TextOverlays::RadioButton57Click() {
  // The month-name buttons only act with "Short Date" ticked (they are disabled otherwise; a
  // selection loaded from the settings must not replace the full date).
  if (settings_.shortDate) setCentred(ClockComponent::Label4, dateText(), kDateCentre);
}

void TextOverlays::RadioButton58Click() { RadioButton57Click(); }

void TextOverlays::RadioButton44Click() { amPmOffVisible_ = true; }

void TextOverlays::RadioButton45Click() { amPmOffVisible_ = false; }

// ---- Colours ----

void TextOverlays::ColorBox4Change() {
  settings_.weekdayColour = avoidSeeThrough(settings_.weekdayColour);
  clock_.setColour(ClockComponent::Label3, settings_.weekdayColour);
  if (hooks_.dayColourChanged) hooks_.dayColourChanged(settings_.weekdayColour);
}

void TextOverlays::ColorBox5Change() {
  settings_.dateColour = avoidSeeThrough(settings_.dateColour);
  clock_.setColour(ClockComponent::Label4, settings_.dateColour);
  if (hooks_.dateColourChanged) hooks_.dateColourChanged(settings_.dateColour);
}

void TextOverlays::ColorBox6Change() { settings_.digitalTimeColour = avoidSeeThrough(settings_.digitalTimeColour); }

void TextOverlays::ColorBox10Change() {
  settings_.powerOffTimeColour = avoidSeeThrough(settings_.powerOffTimeColour);
  clock_.setColour(ClockComponent::Label5, settings_.powerOffTimeColour);
}

void TextOverlays::ColorBox12Change() {
  settings_.workTimeColour = avoidSeeThrough(settings_.workTimeColour);
  clock_.setColour(ClockComponent::Label6, settings_.workTimeColour);
}

void TextOverlays::ColorBox14Change() {
  settings_.countdownColour = avoidSeeThrough(settings_.countdownColour);
  clock_.setColour(ClockComponent::Label7, settings_.countdownColour);
}

// ---- In front of the hands ----

void TextOverlays::CheckBox15Click() { clock_.setInFrontOfHands(ClockComponent::Label7, settings_.countdownInFront); }

void TextOverlays::CheckBox16Click() { clock_.setInFrontOfHands(ClockComponent::Label6, settings_.workTimeInFront); }

void TextOverlays::CheckBox17Click() {
  clock_.setInFrontOfHands(ClockComponent::Label5, settings_.powerOffTimeInFront);
}

void TextOverlays::CheckBox18Click() { clock_.setInFrontOfHands(ClockComponent::Label3, settings_.weekdayInFront); }

void TextOverlays::CheckBox19Click() { clock_.setInFrontOfHands(ClockComponent::Label4, settings_.dateInFront); }

void TextOverlays::CheckBox26Click() { clock_.setInFrontOfHands(ClockComponent::Label1, settings_.digitalTimeInFront); }

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

void TextOverlays::ComboBox5Change() {
  setFontName();
  putFontOnLabels();
  placeDigits();
  centre(ClockComponent::Label3, kWeekdayCentre);
  centre(ClockComponent::Label4, kDateCentre);
}

void TextOverlays::ComboBox6Change() {
  setFontSize();
  putFontOnLabels();
  placeDigits();
  centre(ClockComponent::Label3, kWeekdayCentre);
  centre(ClockComponent::Label4, kDateCentre);
}

void TextOverlays::ComboBox7Change() {
  setFontStyle();
  putFontOnLabels();
}

}  // namespace tikora
