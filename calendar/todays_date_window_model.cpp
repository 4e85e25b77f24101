// The today's date page; see todays_date_window_model.h.
#include "calendar/todays_date_window_model.h"

#include <array>
#include <utility>
#include <vector>

#include "calendar/todays_date_names.h"
#include "core/date_format.h"

namespace tikora {
namespace {

constexpr std::wstring_view kFontName = L"Tahoma";

// The five panels span the full width, top to bottom; their fonts are bold Tahoma with the
// character height in pixels.
struct PanelLayout {
  std::wstring_view name;
  int top;
  int height;
  int characterHeight;
  std::wstring TodaysDateTexts::*text;
};
constexpr PanelLayout kPanels[] = {
    {kMonthAndYearPanel, 14, 59, 21, &TodaysDateTexts::monthAndYear},
    {kWeekdayPanel, 75, 43, 19, &TodaysDateTexts::weekday},
    {kDayPanel, 124, 212, 160, &TodaysDateTexts::day},
    {kDaysElapsedPanel, 338, 22, 11, &TodaysDateTexts::daysPassed},
    {kDaysLeftPanel, 362, 22, 11, &TodaysDateTexts::daysLeft},
};

constexpr int kStripeHeight = 9;

enum class ColourPart { Background, Text };

// Which element takes which colour setting.
struct ColourUse {
  Colour Settings::*setting;
  std::wstring_view component;
  ColourPart part;
};
constexpr ColourUse kColourUses[] = {
    {&Settings::backgroundColour, kTodaysDateWindowName, ColourPart::Background},
    {&Settings::backgroundColour, kDayPanel, ColourPart::Background},
    {&Settings::backgroundColour, kDaysElapsedPanel, ColourPart::Background},
    {&Settings::backgroundColour, kDaysLeftPanel, ColourPart::Background},
    {&Settings::secondsColour, kMonthAndYearPanel, ColourPart::Background},
    {&Settings::secondsColour, kWeekdayPanel, ColourPart::Background},
    {&Settings::dateColour, kMonthAndYearPanel, ColourPart::Text},
    {&Settings::weekdayColour, kWeekdayPanel, ColourPart::Text},
    {&Settings::weekdayColour, kDayPanel, ColourPart::Text},
    {&Settings::digitColour, kDaysElapsedPanel, ColourPart::Text},
    {&Settings::digitColour, kDaysLeftPanel, ColourPart::Text},
};

void paint(ComponentTable& table, const ColourUse& use, Colour colour) {
  ComponentState& state = table[use.component];
  (use.part == ColourPart::Background ? state.background : state.textColour) = colour;
}

// The stripes that drag the window, and the close button made after the top one, so that it
// lies on it; they follow the panels.
using K = ComponentKind;
constexpr std::wstring_view kOn = kTodaysDateWindowName;
constexpr std::array<ComponentRow, 3> kStripesAndClose{{
    {.name = kTodayTopStripe,
     .kind = K::Picture,
     .parent = kOn,
     .bounds = {0, 0, kTodaysDateWidth, kStripeHeight},
     .options = kStretch | kDragsWindow,
     .picture = kDecorativeStripePicture,
     .pointer = PointerShape::Drag},
    {.name = kTodayBottomStripe,
     .kind = K::Picture,
     .parent = kOn,
     .bounds = {0, kTodaysDateHeight - kStripeHeight, kTodaysDateWidth, kStripeHeight},
     .options = kStretch | kDragsWindow,
     .picture = kDecorativeStripePicture,
     .pointer = PointerShape::Drag},
    {.name = kTodayCloseButton,
     .kind = K::Picture,
     .parent = kOn,
     .bounds = kCloseButtonBounds,
     .options = kStretch,
     .text = L"Close",  // what a screen reader calls it
     .picture = kCloseButtonPicture},
}};

std::vector<Component> pageComponents(const TodaysDateTexts& texts, ScreenSize desktop) {
  std::vector<Component> components;
  // Hidden until asked for, in the middle of the desktop.
  components.push_back(makeComponent(
      ComponentRow{.name = kTodaysDateWindowName,
                   .kind = K::Window,
                   .bounds = {(desktop.width - kTodaysDateWidth) / 2, (desktop.height - kTodaysDateHeight) / 2,
                              kTodaysDateWidth, kTodaysDateHeight},
                   .options = kBorderless,
                   .visible = false}));

  for (const PanelLayout& layout : kPanels) {
    Component panel = makeComponent(ComponentRow{.name = layout.name,
                                                 .kind = K::Panel,
                                                 .parent = kOn,
                                                 .bounds = {0, layout.top, kTodaysDateWidth, layout.height},
                                                 .options = kCentred,
                                                 .text = texts.*layout.text});
    FontSpec font;
    font.faceName = std::wstring(kFontName);
    font.bold = true;
    font.pixels = layout.characterHeight;
    panel.state.font = font;
    components.push_back(std::move(panel));
  }

  for (const ComponentRow& row : kStripesAndClose) components.push_back(makeComponent(row));
  return components;
}

}  // namespace

TodaysDateTexts todaysDateTexts(const CivilTime& today, const LocaleNames& names) {
  const int passed = dayOfYear(today.year, today.month, today.day);
  const int left = daysInYear(today.year) - passed;
  return {formatDateTime(L"mmmm yyyy", today, names), formatDateTime(L"dddd", today, names),
          formatDateTime(L"d", today, names),
          std::to_wstring(passed) + L" day(s) have elapsed since the beginning of the year",
          std::to_wstring(left) + L" day(s) left to the end of the year"};
}

TodaysDateWindowModel::TodaysDateWindowModel(const Clock& clock, const Locale& locale, const Settings& settings,
                                             ScreenSize desktop)
    : clock_(clock), locale_(locale), table_(pageComponents(todaysDateTexts(clock.now(), locale.names()), desktop)) {
  for (const ColourUse& use : kColourUses) paint(table_, use, settings.*use.setting);

  table_.on(kTodayCloseButton, ComponentEvent::MouseMove, [this] { onCloseHovered(); });
  table_.on(kTodayCloseButton, ComponentEvent::MouseLeave, [this] { onCloseLeft(); });
  table_.on(kTodayCloseButton, ComponentEvent::Click, [this] { hide(); });
  table_.on(kTodaysDateWindowName, ComponentEvent::Close, [this] { hide(); });
}

void TodaysDateWindowModel::showToday() {
  const TodaysDateTexts texts = todaysDateTexts(clock_.now(), locale_.names());
  for (const PanelLayout& layout : kPanels) table_[layout.name].text = texts.*layout.text;
}

void TodaysDateWindowModel::show() {
  showToday();
  ComponentState& window = table_[kTodaysDateWindowName];
  window.visible = true;
  ++window.raised;
}

void TodaysDateWindowModel::showOnTop() {
  table_[kTodaysDateWindowName].onTop = true;
  show();
}

void TodaysDateWindowModel::hide() {
  table_[kTodaysDateWindowName].visible = false;
  // The mouse leaves with the window: shown again, the button is black until it is pointed at.
  onCloseLeft();
}

void TodaysDateWindowModel::dateChanged() {
  if (window().visible) showToday();
}

bool TodaysDateWindowModel::colourChanged(Colour Settings::*setting, Colour colour) {
  bool used = false;
  for (const ColourUse& use : kColourUses) {
    if (use.setting != setting) continue;
    paint(table_, use, colour);
    used = true;
  }
  return used;
}

void TodaysDateWindowModel::onCloseHovered() {
  ComponentState& button = table_[kTodayCloseButton];
  button.picture = std::wstring(kCloseButtonHotPicture);
  button.bounds = kCloseButtonHotBounds;
}

void TodaysDateWindowModel::onCloseLeft() {
  ComponentState& button = table_[kTodayCloseButton];
  button.picture = std::wstring(kCloseButtonPicture);
  button.bounds = kCloseButtonBounds;
}

}  // namespace tikora
