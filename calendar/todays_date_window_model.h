// The today's date page (`TForm7`) as a model: a borderless 330 x 400 tear-off calendar page,
// centred on the desktop, with the month and year, the weekday, the day of the month in large
// digits and how many days of the year have passed and are left. The texts are computed when
// the page is shown and again at every date change while it is on screen (the second tick
// tells it), so the page never shows a day gone by.
//
// Its colours follow the clock's colour settings: the control panel tells it of every change of
// one of them (colourChanged). The two stripes drag the window (the view starts the move loop
// for components made with kDragsWindow); the close button turns red under the mouse and hides
// the window when clicked.
#pragma once
#include <string>
#include <string_view>
#include "clock/clock_window_model.h"

#include "calendar/todays_date_names.h"
#include "clock/settings.h"
#include "core/component.h"
#include "core/datetime.h"
#include "core/locale_names.h"
#include "platform/clock.h"
#include "platform/locale.h"
#include "platform/shell.h"

namespace tikora {

inline constexpr int kTodaysDateWidth = 330;
inline constexpr int kTodaysDateHeight = 400;

// The close button (Image3): "black_close" 7 x 7 one pixel below the top edge, and under the
// mouse "red_close" stretched to 9 x 9 at the top edge.
inline constexpr Rect kCloseButtonBounds{kTodaysDateWidth / 2 - 3, 1, 7, 7};
inline constexpr Rect kCloseButtonHotBounds{kTodaysDateWidth / 2 - 3, 0, 9, 9};
inline constexpr std::wstring_view kCloseButtonPicture = L"black_close";
inline constexpr std::wstring_view kCloseButtonHotPicture = L"red_close";
// The stripes show the clock's decorative stripe as last recoloured with the frame.

// The page's five texts for a date.
struct TodaysDateTexts {
  std::wstring monthAndYear;  // Panel2: "mmmm yyyy"
  std::wstring weekday;       // Panel3: "dddd"
  std::wstring day;           // Panel1: "d"
  std::wstring daysPassed;    // Panel4
  std::wstring daysLeft;      // Panel5

  friend bool operator==(const TodaysDateTexts&, const TodaysDateTexts&) = default;
};

TodaysDateTexts todaysDateTexts(const CivilTime& today, const LocaleNames& names);

class TodaysDateWindowModel {
 public:
  // Lays the page out centred on `desktop`, with today's texts and the colours of `settings`.
  // `settings` is only read here.
  TodaysDateWindowModel(const Clock& clock, const Locale& locale, const Settings& settings, ScreenSize desktop);

  TodaysDateWindowModel(const TodaysDateWindowModel&) = delete;
  TodaysDateWindowModel& operator=(const TodaysDateWindowModel&) = delete;

  ComponentTable& components() { return table_; }
  const ComponentTable& components() const { return table_; }
  const ComponentState& window() const { return table_[kTodaysDateWindowName]; }

  // ---- Showing ----
  // The tray icon: shown and brought to the front, its stay-on-top style left as it is.
  void show();
  // The "Today's Date" menu item: shown, brought to the front and kept above other windows.
  void showOnTop();
  // The close button and the system's close: hidden, never destroyed.
  void hide();
  // The second tick saw the date change: the texts of the new day, if the page is on screen.
  void dateChanged();

  // ---- Colours ----
  // A colour setting changed in the control panel: `backgroundColour` (Clock Background, as the
  // user chose it), `secondsColour` (Seconds Color), `dateColour` (Date Color), `weekdayColour`
  // (Day Color) or `digitColour` (Digit Font Color) as kept. The elements that use it take the
  // colour; any other setting changes nothing and gives false.
  bool colourChanged(Colour Settings::*setting, Colour colour);

 private:
  void onCloseHovered();
  void onCloseLeft();
  void showToday();

  const Clock& clock_;
  const Locale& locale_;
  ComponentTable table_;
};

}  // namespace tikora
