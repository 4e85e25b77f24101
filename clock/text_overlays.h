// The text overlays of the clock face: the weekday, the date, the digital time and the three
// information lines (time to turn off, system work time, countdown). This is where their texts
// are formatted, coloured, centred, shown and layered, and where the face font chosen in the
// control panel is put on every label of the clock window, the twelve digits included.
//
// The overlays read the live settings at the moment they need them and change the clock
// window's model; the second tick calls the refresh steps, the control panel calls the handlers
// after its control (the Settings field) has changed. What other windows take from these
// settings (the today's date window shows the weekday and date colours) goes out through
// TextOverlayHooks.
#pragma once
#include <functional>
#include <string>
#include <string_view>

#include "clock/clock_window_model.h"
#include "clock/settings.h"
#include "core/date_format.h"
#include "core/datetime.h"
#include "core/locale_names.h"
#include "platform/locale.h"
#include "platform/text_metrics.h"

namespace tikora {

// Where each label stands: centred on a column (left = centre - width div 2), at a fixed top.
inline constexpr int kWeekdayCentre = 70;
inline constexpr int kDateCentre = 170;
inline constexpr int kWeekdayDateTop = 113;
inline constexpr int kDigitalTimeCentre = 120;
inline constexpr int kDigitalTimeTop = 72;
inline constexpr int kInformationLineCentre = 120;
inline constexpr int kCountdownTop = 138;       // Label7
inline constexpr int kSystemWorkTimeTop = 154;  // Label6
inline constexpr int kTimeToTurnOffTop = 170;   // Label5

// The "ComboBox6" sizes, item 0 to 4.
inline constexpr int kFaceFontSizes[] = {8, 9, 10, 11, 12};
// The face labels' own font, kept where the settings choose nothing: no size or style item
// (-1), or the font list's placeholder text "Font" that a first run stores, which names no
// installed font.
inline constexpr std::wstring_view kFaceFontPlaceholder = L"Font";
inline constexpr std::wstring_view kClockLabelFontName = L"Arial";
inline constexpr int kClockLabelFontPoints = 10;
inline constexpr bool kClockLabelFontBold = true;

struct DigitalTimeFormat {
  bool twelveHour = true;   // " 12 h Format" (else "24 h Format")
  bool amPmOff = false;     // "AM/PM OFF", only read in 12 h format
  bool secondsOff = false;  // "Sec OFF"
};

DigitalTimeFormat digitalTimeFormat(const Settings& settings);

// The digital time as the clock shows it:
//   24 h:                "hh:mm:ss", or "hh:mm" with the seconds off;
//   12 h:                "h:mm:ss AM/PM " / "h:mm AM/PM " (trailing blank included);
//   12 h, AM/PM off:     "h:mm:ss" / "h:mm", cut from "h:mm:ss AM/PM " after 7/8 or 4/5
//                        characters, the longer cut for the two-digit hours 10, 11, 12, 22, 23, 0.
std::wstring digitalTimeText(const CivilTime& now, const DigitalTimeFormat& format, const LocaleNames& names);
void digitalTimeTextInto(std::wstring& text, const CivilTime& now, const DigitalTimeFormat& format,
                         const LocaleNames& names);

// The three information lines, set by the power-off timer and the work time and countdown
// displays.
enum class InformationLine {
  TimeToTurnOff,   // Label5
  SystemWorkTime,  // Label6
  Countdown,       // Label7
};
ClockComponent informationLineLabel(InformationLine line);

struct TextOverlayHooks {
  // "Day Color" changed: the today's date window's Panel3 and Panel1 texts take it.
  std::function<void(Colour)> dayColourChanged;
  // "Date Color" changed: the today's date window's Panel2 text takes it.
  std::function<void(Colour)> dateColourChanged;
};

// The twelve digit labels " 1 " to " 12 " of the clock window sized to their text in their
// current font and centred on their ring positions.
void placeDigitLabels(ClockWindowModel& clock, const TextMetrics& metrics);

class TextOverlays {
 public:
  TextOverlays(ClockWindowModel& clock, Settings& settings, const TextMetrics& metrics, const Locale& locale,
               TextOverlayHooks hooks = {});

  // ---- Start ----
  // Today's texts kept, the label tops, the weekday and date colours, texts and visibility.
  void prepareAtStart(const CivilTime& today);
  // The face font on every label in the order name, style, size (`faceFontName`, `faceFontStyle`, `faceFontSize`).
  // A style or size with no list item chosen (-1) leaves that part of the labels' own font
  // (Arial 10 point bold); so does the placeholder name "Font".
  void applyFaceFont();
  // The twelve digits " 1 " to " 12 " centred on their ring positions in the current font.
  void placeDigits();
  // Weekday centred on 70 and date on 170, both at top 113.
  void placeWeekdayAndDate();

  // ---- Second tick ----
  // Formatted into a buffer kept for it: valid until the next call.
  const std::wstring& digitalTimeText(const CivilTime& now) const;
  // Hidden when the digital time's "OFF" is ticked; otherwise shown with the text, in the
  // "Time Color" of the moment, centred on 120.
  void showDigitalTime(const std::wstring& text);
  void refreshDigitalTime(const CivilTime& now) { showDigitalTime(digitalTimeText(now)); }
  // At a date change keeps today's texts and sets the weekday and date labels from them. True
  // when the date had changed.
  bool refreshDateTexts(const CivilTime& now);
  // Keeps the texts and sets both labels from them, for a caller that found the date change.
  void showDateTexts(DateTexts today);
  const DateTexts& dateTexts() const { return dates_; }

  // ---- Information lines ----
  // Sets the text and centres the line on 120; showing and hiding is the caller's.
  void setInformationLine(InformationLine line, std::wstring text);

  // ---- Handlers (run after the control's Settings field has changed) ----
  void onWeekdayOffChanged();                 // weekday "OFF"
  void onWeekdayShortNameChanged();           // "Short Name"
  void onDateOffChanged();                    // date "OFF"
  void onShortDateChanged();                  // "Short Date"
  void onMonthNameChosen();                   // "Long Month Name", "Short Month Name"
  void onHourFormatChosen(bool twelveHours);  // " 12 h Format" (true), "24 h Format" (false)
  // Colour boxes: the pure-white rule on the chosen colour (written back to the field), then
  // the label's colour. The digital time's label takes its colour at the next tick.
  void onWeekdayColourChanged();       // "Day Color" (weekdayColour)
  void onDateColourChanged();          // "Date Color" (dateColour)
  void onDigitalTimeColourChanged();   // "Time Color" (digitalTimeColour)
  void onPowerOffTimeColourChanged();  // time to turn off (powerOffTimeColour)
  void onWorkTimeColourChanged();      // system work time (workTimeColour)
  void onCountdownColourChanged();     // countdown (countdownColour)
  // "In Front of Clock Hands".
  // The countdown, work time, power-off time, weekday, date or digital time label goes above the
  // hands or down onto the face, as its box says.
  void onInFrontOfHandsChanged(ClockComponent label);
  // Face font.
  void onFaceFontNameChanged();   // name: digits placed again, weekday and date centred again
  void onFaceFontSizeChanged();   // size: the same
  void onFaceFontStyleChanged();  // style: nothing moves

  // ---- Control panel states these handlers govern ----
  bool amPmOffVisible() const { return amPmOffVisible_; }              // CheckBox28
  bool monthNameButtonsEnabled() const { return monthNamesEnabled_; }  // RadioButton57, 58
  const FontSpec& faceFont() const { return font_; }

 private:
  std::wstring weekdayText() const;
  std::wstring dateText() const;
  void setCentred(ClockComponent label, const std::wstring& text, int centre);
  void centre(ClockComponent label, int centre);
  void setFontName();
  void setFontStyle();
  void setFontSize();
  void putFontOnLabels();
  void switchOff(ClockComponent label, bool off, int digit, int centre);
  void setDigitVisibility(int digit);

  ClockWindowModel& clock_;
  Settings& settings_;
  const TextMetrics& metrics_;
  const Locale& locale_;
  TextOverlayHooks hooks_;
  DateTexts dates_;
  FontSpec font_;
  bool amPmOffVisible_ = true;
  bool monthNamesEnabled_ = false;
  mutable std::wstring digitalTime_;
};

}  // namespace tikora
