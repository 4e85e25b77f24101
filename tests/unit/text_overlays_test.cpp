// The face's text overlays: digital time in every format, weekday and date texts with their
// switches, centring by the fake metrics (8 pt: 5 px a character, 13 px high; 12 pt: 7 px, 18 px;
// bold one more per character), colours with the pure-white rule, layering, the face font on
// labels and digits, the information lines and the date change at midnight.
#include "clock/text_overlays.h"
#include "clock/settings_schema.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "platform/fake/fake_locale.h"
#include "platform/fake/fake_text_metrics.h"

namespace tikora {

// Readable failures; file-local, found by argument-dependent lookup.
[[maybe_unused]] static void PrintTo(const Rect& b, std::ostream* os) {
  *os << "{" << b.left << ", " << b.top << ", " << b.width << ", " << b.height << "}";
}

namespace {

CivilTime at(int year, int month, int day, int hour, int minute, int second) {
  return CivilTime{year, month, day, dayOfWeek(year, month, day), hour, minute, second, 0};
}

// Monday 3 January 2000.
CivilTime monday(int hour, int minute, int second) { return at(2000, 1, 3, hour, minute, second); }

class TextOverlaysTest : public ::testing::Test {
 protected:
  TextOverlayHooks hooks() {
    return {[this](Colour c) { dayColours.push_back(c); }, [this](Colour c) { dateColours.push_back(c); }};
  }
  const ClockLayer& layer(ClockComponent c) const { return clock.layer(c); }
  int left(ClockComponent c) const { return layer(c).bounds.left; }
  int top(ClockComponent c) const { return layer(c).bounds.top; }
  // Weekday and date shown (their "OFF" boxes unticked), as most cases want them.
  void showWeekdayAndDate() {
    settings.weekdayOff = false;
    settings.dateOff = false;
  }

  // The face font at 8 points, "Normal": 5 px a character, 13 px high.
  void useArialEightNormal() {
    settings.faceFontName = L"Arial";
    settings.faceFontSize = 0;
    settings.faceFontStyle = 0;
    overlays.applyFaceFont();
  }

  ClockWindowModel clock;
  Settings settings;
  FakeTextMetrics metrics;
  FakeLocale locale;
  std::vector<Colour> dayColours;
  std::vector<Colour> dateColours;
  TextOverlays overlays{clock, settings, metrics, locale, hooks()};
};

// ---- Digital time ----

struct DigitalCase {
  DigitalTimeFormat format;
  const wchar_t* at0005;
  const wchar_t* at0905;
  const wchar_t* at130709;
  const wchar_t* at2205;
};

TEST(DigitalTimeText, EachFormatAtTheFourTestTimes) {
  const LocaleNames names = englishLocaleNames();
  const DigitalCase cases[] = {
      {{true, false, false}, L"12:05:00 AM ", L"9:05:00 AM ", L"1:07:09 PM ", L"10:05:00 PM "},
      {{true, false, true}, L"12:05 AM ", L"9:05 AM ", L"1:07 PM ", L"10:05 PM "},
      {{true, true, false}, L"12:05:00", L"9:05:00", L"1:07:09", L"10:05:00"},
      {{true, true, true}, L"12:05", L"9:05", L"1:07", L"10:05"},
      {{false, false, false}, L"00:05:00", L"09:05:00", L"13:07:09", L"22:05:00"},
      {{false, false, true}, L"00:05", L"09:05", L"13:07", L"22:05"},
      // In 24 h format "AM/PM OFF" is hidden and changes nothing.
      {{false, true, false}, L"00:05:00", L"09:05:00", L"13:07:09", L"22:05:00"},
      {{false, true, true}, L"00:05", L"09:05", L"13:07", L"22:05"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.format.twelveHour << c.format.amPmOff << c.format.secondsOff);
    EXPECT_EQ(digitalTimeText(monday(0, 5, 0), c.format, names), c.at0005);
    EXPECT_EQ(digitalTimeText(monday(9, 5, 0), c.format, names), c.at0905);
    EXPECT_EQ(digitalTimeText(monday(13, 7, 9), c.format, names), c.at130709);
    EXPECT_EQ(digitalTimeText(monday(22, 5, 0), c.format, names), c.at2205);
  }
}

TEST(DigitalTimeText, TwelveHourCutsAtEveryHourOfTheDay) {
  const LocaleNames names = englishLocaleNames();
  const wchar_t* expected[24] = {L"12:30", L"1:30", L"2:30",  L"3:30",  L"4:30",  L"5:30", L"6:30",  L"7:30",
                                 L"8:30",  L"9:30", L"10:30", L"11:30", L"12:30", L"1:30", L"2:30",  L"3:30",
                                 L"4:30",  L"5:30", L"6:30",  L"7:30",  L"8:30",  L"9:30", L"10:30", L"11:30"};
  for (int hour = 0; hour < 24; ++hour) {
    EXPECT_EQ(digitalTimeText(monday(hour, 30, 59), {true, true, true}, names), expected[hour]) << hour;
    EXPECT_EQ(digitalTimeText(monday(hour, 30, 59), {true, true, false}, names), std::wstring(expected[hour]) + L":59")
        << hour;
  }
}

TEST(DigitalTimeText, MarkersAreUpperCaseAmPmWhateverTheLocaleSays) {
  LocaleNames names = englishLocaleNames();
  names.amMarker = L"vorm.";
  names.pmMarker = L"nachm.";
  EXPECT_EQ(digitalTimeText(monday(13, 7, 9), {true, false, false}, names), L"1:07:09 PM ");
  EXPECT_EQ(digitalTimeText(monday(0, 7, 9), {true, false, true}, names), L"12:07 AM ");
}

TEST(DigitalTimeFormat, FollowsTheSettings) {
  Settings s;
  EXPECT_EQ(digitalTimeFormat(s).twelveHour, true);  // " 12 h Format" by default
  s.digitalAmPmOff = true;
  s.digitalSecondsOff = true;
  selectRadioButton(s, &Settings::twentyFourHourFormat);
  const DigitalTimeFormat f = digitalTimeFormat(s);
  EXPECT_FALSE(f.twelveHour);
  EXPECT_TRUE(f.amPmOff);
  EXPECT_TRUE(f.secondsOff);
}

TEST_F(TextOverlaysTest, DigitalTimeIsShownColouredAndCentredOn120) {
  settings.digitalTimeOff = false;
  settings.digitalTimeColour = 0x00123456;
  settings.digitalAmPmOff = true;
  settings.digitalSecondsOff = true;
  overlays.refreshDigitalTime(monday(0, 5, 0));
  const ClockLayer& label = layer(ClockComponent::DigitalTime);
  EXPECT_TRUE(label.visible);
  EXPECT_EQ(label.text, L"12:05");
  EXPECT_EQ(label.textColour, 0x00123456u);
  EXPECT_EQ(label.bounds, (Rect{108, 72, 25, 13}));  // 120 - 25 div 2

  settings.digitalAmPmOff = false;
  settings.digitalSecondsOff = false;
  overlays.refreshDigitalTime(monday(13, 7, 9));
  EXPECT_EQ(label.text, L"1:07:09 PM ");
  EXPECT_EQ(label.bounds, (Rect{93, 72, 55, 13}));  // 11 characters: 120 - 27

  // The colour is taken at every refresh; the chooser itself only applies the pure-white rule.
  settings.digitalTimeColour = kPureWhite;
  overlays.onDigitalTimeColourChanged();
  EXPECT_EQ(settings.digitalTimeColour, 0x02FEFFFFu);
  EXPECT_EQ(label.textColour, 0x00123456u);
  overlays.refreshDigitalTime(monday(13, 7, 10));
  EXPECT_EQ(label.textColour, 0x02FEFFFFu);
}

TEST_F(TextOverlaysTest, DigitalTimeOffHidesTheLabelAndLeavesItsText) {
  settings.digitalTimeOff = false;
  overlays.refreshDigitalTime(monday(9, 5, 0));
  const std::wstring shown = layer(ClockComponent::DigitalTime).text;
  settings.digitalTimeOff = true;  // the default
  overlays.refreshDigitalTime(monday(9, 5, 1));
  EXPECT_FALSE(layer(ClockComponent::DigitalTime).visible);
  EXPECT_EQ(layer(ClockComponent::DigitalTime).text, shown);
}

// ---- Weekday and date ----

TEST(DateTexts, FiveFormsOfToday) {
  EXPECT_EQ(dateTextsOf(monday(12, 0, 0), englishLocaleNames()),
            (DateTexts{L"03.01.2000", L"Monday", L"Mon", L"January 3", L"Jan 3"}));
  EXPECT_EQ(dateTextsOf(at(2011, 12, 8, 15, 0, 0), englishLocaleNames()),
            (DateTexts{L"08.12.2011", L"Thursday", L"Thu", L"December 8", L"Dec 8"}));
}

TEST_F(TextOverlaysTest, StartSetsTextsColoursTopsAndCentres) {
  showWeekdayAndDate();
  settings.weekdayColour = 0x00010203;
  settings.dateColour = 0x00040506;
  settings.powerOffTimeColour = 0x00070809;
  overlays.prepareAtStart(monday(8, 0, 0));
  EXPECT_EQ(layer(ClockComponent::Weekday).text, L"Monday");
  EXPECT_EQ(layer(ClockComponent::Weekday).bounds, (Rect{55, 113, 30, 13}));
  EXPECT_EQ(layer(ClockComponent::Weekday).textColour, 0x00010203u);
  EXPECT_EQ(layer(ClockComponent::Date).text, L"03.01.2000");
  EXPECT_EQ(layer(ClockComponent::Date).bounds, (Rect{145, 113, 50, 13}));
  EXPECT_EQ(layer(ClockComponent::Date).textColour, 0x00040506u);
  EXPECT_EQ(layer(ClockComponent::PowerOffTime).textColour, 0x00070809u);
  EXPECT_TRUE(layer(ClockComponent::Weekday).visible);
  EXPECT_TRUE(layer(ClockComponent::Date).visible);
  EXPECT_EQ(top(ClockComponent::PowerOffTime), 170);
  EXPECT_EQ(top(ClockComponent::WorkTime), 154);
  EXPECT_EQ(top(ClockComponent::Countdown), 138);
  EXPECT_EQ(top(ClockComponent::DigitalTime), 72);
  EXPECT_EQ(overlays.dateTexts().day, L"03.01.2000");
}

TEST_F(TextOverlaysTest, StartHidesWhatIsSwitchedOffAndUsesTheShortForms) {
  settings.weekdayOff = true;  // weekday OFF (the default)
  settings.dateOff = false;
  settings.weekdayShortName = true;
  settings.shortDate = true;
  selectRadioButton(settings, &Settings::shortMonthName);
  overlays.prepareAtStart(monday(8, 0, 0));
  EXPECT_FALSE(layer(ClockComponent::Weekday).visible);
  EXPECT_EQ(layer(ClockComponent::Weekday).text, L"Mon");
  EXPECT_EQ(left(ClockComponent::Weekday), 63);  // 70 - 15 div 2
  EXPECT_TRUE(layer(ClockComponent::Date).visible);
  EXPECT_EQ(layer(ClockComponent::Date).text, L"Jan 3");
  EXPECT_EQ(left(ClockComponent::Date), 158);  // 170 - 25 div 2
}

TEST_F(TextOverlaysTest, ShortNameAndShortDateSwitchesRecentre) {
  showWeekdayAndDate();
  overlays.prepareAtStart(monday(8, 0, 0));

  settings.weekdayShortName = true;
  overlays.onWeekdayShortNameChanged();
  EXPECT_EQ(layer(ClockComponent::Weekday).text, L"Mon");
  EXPECT_EQ(left(ClockComponent::Weekday), 63);
  settings.weekdayShortName = false;
  overlays.onWeekdayShortNameChanged();
  EXPECT_EQ(layer(ClockComponent::Weekday).text, L"Monday");
  EXPECT_EQ(left(ClockComponent::Weekday), 55);

  EXPECT_FALSE(overlays.monthNameButtonsEnabled());
  settings.shortDate = true;
  overlays.onShortDateChanged();
  EXPECT_TRUE(overlays.monthNameButtonsEnabled());
  EXPECT_EQ(layer(ClockComponent::Date).text, L"January 3");
  EXPECT_EQ(left(ClockComponent::Date), 148);  // 170 - 45 div 2

  selectRadioButton(settings, &Settings::shortMonthName);
  overlays.onMonthNameChosen();
  EXPECT_EQ(layer(ClockComponent::Date).text, L"Jan 3");
  EXPECT_EQ(left(ClockComponent::Date), 158);
  selectRadioButton(settings, &Settings::longMonthName);
  overlays.onMonthNameChosen();
  EXPECT_EQ(layer(ClockComponent::Date).text, L"January 3");

  settings.shortDate = false;
  overlays.onShortDateChanged();
  EXPECT_FALSE(overlays.monthNameButtonsEnabled());
  EXPECT_EQ(layer(ClockComponent::Date).text, L"03.01.2000");
  EXPECT_EQ(left(ClockComponent::Date), 145);

  // Without "Short Date" a month-name button leaves the full date alone.
  selectRadioButton(settings, &Settings::shortMonthName);
  overlays.onMonthNameChosen();
  EXPECT_EQ(layer(ClockComponent::Date).text, L"03.01.2000");
}

TEST_F(TextOverlaysTest, ShortDateWithNoMonthButtonSelectedShowsTheLongName) {
  settings.longMonthName = false;
  settings.shortMonthName = false;
  settings.shortDate = true;
  overlays.prepareAtStart(monday(8, 0, 0));
  EXPECT_EQ(layer(ClockComponent::Date).text, L"January 3");
}

TEST_F(TextOverlaysTest, WeekdayAndDateOffSwapWithDigitsNineAndThree) {
  showWeekdayAndDate();
  overlays.prepareAtStart(monday(8, 0, 0));
  settings.weekdayOff = true;
  overlays.onWeekdayOffChanged();
  EXPECT_FALSE(layer(ClockComponent::Weekday).visible);
  EXPECT_TRUE(layer(ClockComponent::Digit9).visible);
  settings.weekdayOff = false;
  overlays.onWeekdayOffChanged();
  EXPECT_TRUE(layer(ClockComponent::Weekday).visible);
  EXPECT_FALSE(layer(ClockComponent::Digit9).visible);
  EXPECT_EQ(left(ClockComponent::Weekday), 55);

  settings.dateOff = true;
  overlays.onDateOffChanged();
  EXPECT_FALSE(layer(ClockComponent::Date).visible);
  EXPECT_TRUE(layer(ClockComponent::Digit3).visible);
  settings.dateOff = false;
  overlays.onDateOffChanged();
  EXPECT_TRUE(layer(ClockComponent::Date).visible);
  EXPECT_FALSE(layer(ClockComponent::Digit3).visible);

  // With the digits off neither digit comes back.
  settings.digitsOff = true;
  clock.setVisible(ClockComponent::Digit9, false);
  clock.setVisible(ClockComponent::Digit3, false);
  settings.weekdayOff = true;
  overlays.onWeekdayOffChanged();
  settings.dateOff = true;
  overlays.onDateOffChanged();
  EXPECT_FALSE(layer(ClockComponent::Digit9).visible);
  EXPECT_FALSE(layer(ClockComponent::Digit3).visible);
}

TEST_F(TextOverlaysTest, DateChangesAtMidnightAndBothStayCentred) {
  showWeekdayAndDate();
  overlays.prepareAtStart(monday(23, 59, 58));
  EXPECT_FALSE(overlays.refreshDateTexts(monday(23, 59, 59)));
  EXPECT_EQ(layer(ClockComponent::Weekday).text, L"Monday");

  EXPECT_TRUE(overlays.refreshDateTexts(at(2000, 1, 4, 0, 0, 0)));
  EXPECT_EQ(layer(ClockComponent::Weekday).text, L"Tuesday");
  EXPECT_EQ(layer(ClockComponent::Weekday).bounds, (Rect{53, 113, 35, 13}));  // 70 - 17
  EXPECT_EQ(layer(ClockComponent::Date).text, L"04.01.2000");
  EXPECT_EQ(layer(ClockComponent::Date).bounds, (Rect{145, 113, 50, 13}));
  EXPECT_EQ(overlays.dateTexts().longWeekday, L"Tuesday");
  EXPECT_FALSE(overlays.refreshDateTexts(at(2000, 1, 4, 0, 0, 1)));

  // A locale change shows only at the next date change.
  LocaleNames german = englishLocaleNames();
  german.longDayNames[3] = L"Mittwoch";
  locale.setNames(german);
  EXPECT_FALSE(overlays.refreshDateTexts(at(2000, 1, 4, 12, 0, 0)));
  EXPECT_TRUE(overlays.refreshDateTexts(at(2000, 1, 5, 0, 0, 0)));
  EXPECT_EQ(layer(ClockComponent::Weekday).text, L"Mittwoch");
}

TEST_F(TextOverlaysTest, FirstRefreshWithoutAStartSetsBothLabels) {
  settings.weekdayShortName = true;
  EXPECT_TRUE(overlays.refreshDateTexts(monday(0, 0, 0)));
  EXPECT_EQ(layer(ClockComponent::Weekday).text, L"Mon");
  EXPECT_EQ(layer(ClockComponent::Date).text, L"03.01.2000");
}

TEST_F(TextOverlaysTest, DateChangeFoundByTheCallerSetsBothLabels) {
  showWeekdayAndDate();
  overlays.prepareAtStart(monday(23, 59, 59));
  overlays.showDateTexts(dateTextsOf(at(2000, 1, 4, 0, 0, 0), englishLocaleNames()));
  EXPECT_EQ(layer(ClockComponent::Weekday).bounds, (Rect{53, 113, 35, 13}));
  EXPECT_EQ(layer(ClockComponent::Date).text, L"04.01.2000");
  EXPECT_FALSE(overlays.refreshDateTexts(at(2000, 1, 4, 0, 0, 1)));
}

// ---- Colours and layering ----

TEST_F(TextOverlaysTest, ColourBoxesStoreNearWhiteForPureWhite) {
  settings.weekdayColour = kPureWhite;
  overlays.onWeekdayColourChanged();
  EXPECT_EQ(settings.weekdayColour, 0x02FEFFFFu);
  EXPECT_EQ(layer(ClockComponent::Weekday).textColour, 0x02FEFFFFu);
  settings.dateColour = 0x00FF8000;
  overlays.onDateColourChanged();
  EXPECT_EQ(settings.dateColour, 0x00FF8000u);
  EXPECT_EQ(layer(ClockComponent::Date).textColour, 0x00FF8000u);
  EXPECT_EQ(dayColours, (std::vector<Colour>{0x02FEFFFF}));
  EXPECT_EQ(dateColours, (std::vector<Colour>{0x00FF8000}));

  settings.powerOffTimeColour = kPureWhite;
  settings.workTimeColour = kPureWhite;
  settings.countdownColour = 0x00FFFFFE;  // near white stays
  overlays.onPowerOffTimeColourChanged();
  overlays.onWorkTimeColourChanged();
  overlays.onCountdownColourChanged();
  EXPECT_EQ(settings.powerOffTimeColour, 0x02FEFFFFu);
  EXPECT_EQ(settings.workTimeColour, 0x02FEFFFFu);
  EXPECT_EQ(settings.countdownColour, 0x00FFFFFEu);
  EXPECT_EQ(layer(ClockComponent::PowerOffTime).textColour, 0x02FEFFFFu);
  EXPECT_EQ(layer(ClockComponent::WorkTime).textColour, 0x02FEFFFFu);
  EXPECT_EQ(layer(ClockComponent::Countdown).textColour, 0x00FFFFFEu);
}

TEST_F(TextOverlaysTest, InFrontOfClockHandsMovesEachLabel) {
  const auto topmost = [this] { return clock.layerOrder().back(); };
  const auto lowest = [this] { return std::vector(clock.layerOrder().begin(), clock.layerOrder().begin() + 2); };
  struct Case {
    bool Settings::*field;
    ClockComponent label;
  };
  const Case cases[] = {
      {&Settings::countdownInFront, ClockComponent::Countdown},
      {&Settings::workTimeInFront, ClockComponent::WorkTime},
      {&Settings::powerOffTimeInFront, ClockComponent::PowerOffTime},
      {&Settings::weekdayInFront, ClockComponent::Weekday},
      {&Settings::dateInFront, ClockComponent::Date},
      {&Settings::digitalTimeInFront, ClockComponent::DigitalTime},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(componentName(c.label).data());
    settings.*c.field = true;
    overlays.onInFrontOfHandsChanged(c.label);
    EXPECT_EQ(topmost(), c.label);
    settings.*c.field = false;
    overlays.onInFrontOfHandsChanged(c.label);
    EXPECT_EQ(lowest(), (std::vector<ClockComponent>{ClockComponent::Face, c.label}));
  }
}

TEST_F(TextOverlaysTest, HourFormatButtonsShowAndHideAmPmOff) {
  EXPECT_TRUE(overlays.amPmOffVisible());
  overlays.onHourFormatChosen(false);
  EXPECT_FALSE(overlays.amPmOffVisible());
  overlays.onHourFormatChosen(true);
  EXPECT_TRUE(overlays.amPmOffVisible());
}

// ---- Face font ----

TEST_F(TextOverlaysTest, FaceFontGoesOnEveryLabelInNameStyleSizeOrder) {
  settings.faceFontName = L"Verdana";
  settings.faceFontStyle = 3;  // "Italic Bold"
  settings.faceFontSize = 4;   // "12"
  overlays.applyFaceFont();
  const FontSpec expected{L"Verdana", 12, true, true};
  EXPECT_EQ(overlays.faceFont(), expected);
  for (const auto c :
       {ClockComponent::DigitalTime, ClockComponent::Weekday, ClockComponent::Date, ClockComponent::PowerOffTime,
        ClockComponent::WorkTime, ClockComponent::Countdown, ClockComponent::Digit1, ClockComponent::Digit12})
    EXPECT_EQ(layer(c).font, expected) << componentName(c).data();
  EXPECT_FALSE(layer(ClockComponent::Face).font) << "pictures have no font";
}

TEST_F(TextOverlaysTest, NoChosenStyleOrSizeKeepsTheLabelsOwn) {
  // What the first run stores: the placeholder "Font", no style, no size.
  overlays.applyFaceFont();
  EXPECT_EQ(overlays.faceFont(), (FontSpec{L"Arial", 10, true, false}));
  EXPECT_EQ(layer(ClockComponent::Digit5).font, (FontSpec{L"Arial", 10, true, false}));
  settings.faceFontName = L"Tahoma";
  settings.faceFontSize = 0;
  settings.faceFontStyle = 1;
  overlays.applyFaceFont();
  EXPECT_EQ(overlays.faceFont(), (FontSpec{L"Tahoma", 8, false, true}));
  settings.faceFontName = L"";
  settings.faceFontSize = -1;
  settings.faceFontStyle = 7;  // outside the list: nothing chosen
  overlays.applyFaceFont();
  EXPECT_EQ(overlays.faceFont(), (FontSpec{L"Arial", 8, false, true}));
}

TEST_F(TextOverlaysTest, DigitsAreCentredOnTheirRingPositions) {
  overlays.placeDigits();
  // Digit 12 at (121, 46), one pixel right of the top by the ring's 3.14: " 12 " is 20 x 13.
  EXPECT_EQ(layer(ClockComponent::Digit12).text, L" 12 ");
  EXPECT_EQ(layer(ClockComponent::Digit12).bounds, (Rect{111, 40, 20, 13}));
  // Digit 3 at (194, 121): " 3 " is 15 x 13.
  EXPECT_EQ(layer(ClockComponent::Digit3).bounds, (Rect{187, 115, 15, 13}));
}

TEST_F(TextOverlaysTest, SizeChangeRecentresAndStyleChangeMovesNothing) {
  showWeekdayAndDate();
  useArialEightNormal();
  overlays.prepareAtStart(monday(8, 0, 0));
  overlays.placeDigits();
  settings.faceFontSize = 4;  // 12 pt: 7 px a character, 18 px high
  overlays.onFaceFontSizeChanged();
  EXPECT_EQ(layer(ClockComponent::Weekday).bounds, (Rect{49, 113, 42, 18}));  // 70 - 21
  EXPECT_EQ(layer(ClockComponent::Date).bounds, (Rect{135, 113, 70, 18}));    // 170 - 35
  EXPECT_EQ(layer(ClockComponent::Digit3).bounds, (Rect{184, 112, 21, 18}));  // 194 - 10

  settings.faceFontStyle = 2;  // "Bold": one more pixel a character, lefts stay
  overlays.onFaceFontStyleChanged();
  EXPECT_EQ(layer(ClockComponent::Weekday).bounds, (Rect{49, 113, 48, 18}));
  EXPECT_EQ(layer(ClockComponent::Date).bounds, (Rect{135, 113, 80, 18}));
  EXPECT_EQ(layer(ClockComponent::Digit3).bounds, (Rect{184, 112, 24, 18}));
  EXPECT_TRUE(layer(ClockComponent::Digit3).font->bold);
}

TEST_F(TextOverlaysTest, NameChangeRecentresDigitsWeekdayAndDate) {
  showWeekdayAndDate();
  useArialEightNormal();
  overlays.prepareAtStart(monday(8, 0, 0));
  metrics.setExtraWidthPerCharacter(L"Wide", 2);  // 7 px a character at 8 pt
  settings.faceFontName = L"Wide";
  overlays.onFaceFontNameChanged();
  EXPECT_EQ(layer(ClockComponent::Weekday).bounds, (Rect{49, 113, 42, 13}));
  EXPECT_EQ(layer(ClockComponent::Date).bounds, (Rect{135, 113, 70, 13}));
  EXPECT_EQ(layer(ClockComponent::Digit12).bounds, (Rect{107, 40, 28, 13}));
  EXPECT_EQ(layer(ClockComponent::DigitalTime).font->faceName, L"Wide");
}

// ---- Information lines ----

TEST_F(TextOverlaysTest, InformationLinesAreCentredOn120AtTheirTops) {
  overlays.prepareAtStart(monday(8, 0, 0));
  overlays.setInformationLine(InformationLine::Countdown, L" 12 days 01:02:03 ");
  EXPECT_EQ(layer(ClockComponent::Countdown).bounds, (Rect{75, 138, 90, 13}));  // 18 characters
  overlays.setInformationLine(InformationLine::SystemWorkTime, L" 00:10:00 ");
  EXPECT_EQ(layer(ClockComponent::WorkTime).bounds, (Rect{95, 154, 50, 13}));
  overlays.setInformationLine(InformationLine::TimeToTurnOff, L" 3 ");
  EXPECT_EQ(layer(ClockComponent::PowerOffTime).bounds, (Rect{113, 170, 15, 13}));
  EXPECT_EQ(layer(ClockComponent::PowerOffTime).text, L" 3 ");
  // Showing them is up to the power-off timer and the work time and countdown displays.
  EXPECT_FALSE(layer(ClockComponent::PowerOffTime).visible);
}

}  // namespace
}  // namespace tikora
