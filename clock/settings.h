// The live settings: one field per value stored under the settings key, named by what it holds
// (its registry value name is in its row of the settings table), holding what the control
// panel's control for it shows. The control panel binds its controls to these fields, and every
// feature reads them when it needs them.
//
// The fields carry no initial values of their own: a new Settings takes every default from the
// settings table (settings_schema.cpp), which also tells each field's type, group, control and
// place in the save order (settings_schema.h, with the functions that reach a field through its
// row). Radio buttons are one bool each; selectRadioButton keeps a group to one selected button
// as the native control does.
#pragma once
#include <cstdint>
#include <string>

#include "core/colour.h"
#include "core/datetime.h"

namespace tikora {

struct Settings {
  // Every field at its default from the settings table.
  Settings();

  // ---- Group A ----
  Colour backgroundColour;       // ColorBox1: clock background
  Colour secondsColour;          // ColorBox2: seconds colour
  Colour digitColour;            // ColorBox3: digit font colour
  Colour weekdayColour;          // ColorBox4: weekday colour
  Colour dateColour;             // ColorBox5: date colour
  bool weekdayOff;               // CheckBox1 "OFF" (Day Of The Week)
  bool weekdayShortName;         // CheckBox2 "Short Name"
  bool dateOff;                  // CheckBox3 "OFF" (Date)
  std::int32_t frameColourRule;  // ComboBox1: frame colour rule
  std::int32_t frameStyle;       // ComboBox12: frame style
  std::int32_t handStyle;        // ComboBox2: hand style
  Colour laserColour;            // ColorBox8: laser effect colour
  bool secondHandOff;            // CheckBox5 "Second Hand OFF"
  bool laserOff;                 // CheckBox6 "OFF" (laser effect)
  std::int32_t startLeft;        // ScrollBar1: horizontal start-up position
  std::int32_t startTop;         // ScrollBar2: vertical start-up position
  bool startAtSetPosition;       // CheckBox8 "Set Current Position"
  Colour handColour;             // ColorBox9: hand colour
  // RadioButton1..7: repeat the time every 1, 5, 10, 15, 30, 60 minutes, OFF
  bool voiceEvery1Minute, voiceEvery5Minutes, voiceEvery10Minutes, voiceEvery15Minutes, voiceEvery30Minutes;
  bool voiceEvery60Minutes, voiceOff;
  bool femaleVoice, maleVoice;            // RadioButton8, 9: female, male voice
  bool powerOffShutdown, powerOffLogOff;  // RadioButton10, 11: shutdown, log off
  std::wstring powerOffMinutesText;       // Edit1: minutes until power-off
  std::int32_t powerOffHour;              // ComboBox3: hour of the exact power-off time
  std::int32_t powerOffMinute;            // ComboBox4: minute of the exact power-off time
  std::int32_t powerOffMinutes;           // UpDown1: minutes, 0 to 1440
  Colour powerOffTimeColour;              // ColorBox10: time to turn off
  Colour workTimeColour;                  // ColorBox12: system work time
  bool showWorkTime;                      // CheckBox12 "Show Time in Clock "
  Colour countdownColour;                 // ColorBox14: countdown
  DateTime countdownDate;                 // DateTimePicker1: countdown target date
  DateTime countdownTime;                 // DateTimePicker2: countdown target time
  bool showCountdown;                     // CheckBox14 "Show Countdown Time in the Clock  [ days  h:min:sec ]"
  bool countdownInFront;                  // CheckBox15 "In Front of Clock Hands" (countdown)
  bool workTimeInFront;                   // CheckBox16 "In Front of Clock Hands" (system work time)
  bool powerOffTimeInFront;               // CheckBox17 "In Front of Clock Hands" (power-off time)
  bool weekdayInFront;                    // CheckBox18 "In Front of Clock Hands" (weekday)
  bool dateInFront;                       // CheckBox19 "In Front of Clock Hands" (date)
  std::wstring faceFontName;              // ComboBox5: face font name
  std::int32_t faceFontSize;              // ComboBox6: face font size choice
  std::int32_t faceFontStyle;             // ComboBox7: face font style choice
  bool transparencyOn;                    // CheckBox20 "Set Transparency"
  std::int32_t transparency;              // ScrollBar3: transparency 0 to 255
  bool alwaysOnTop;                       // CheckBox21 "Set Clock Window on Top"
  bool secondsStyle1, secondsStyle3, secondsStyle5, secondsStyle7;  // RadioButton12..15: seconds styles 1, 3, 5, 7
  bool secondsOff;                                                  // CheckBox22 "OFF" (Seconds)
  bool digitsOff;                                                   // CheckBox23 "OFF" (digits)
  bool allHandsOff;                                                 // CheckBox24 "All Hands OFF"
  bool digitalTimeOff;                                              // CheckBox25 "OFF" (Digital Time)
  bool digitalTimeInFront;   // CheckBox26 "In Front of Clock Hands" (Digital Time)
  Colour digitalTimeColour;  // ColorBox6: digital time colour
  // RadioButton16..21: hour sound 1..5, OFF
  bool hourSound1, hourSound2, hourSound3, hourSound4, hourSound5, hourSoundOff;
  // RadioButton22..27: hour effect 1..5, OFF
  bool hourEffect1, hourEffect2, hourEffect3, hourEffect4, hourEffect5, hourEffectOff;
  // RadioButton28..33: RSS reading every 15 min, 30 min, 1 h, 2 h, 4 h, OFF
  bool rssEvery15Minutes, rssEvery30Minutes, rssEveryHour, rssEvery2Hours, rssEvery4Hours, rssScheduleOff;

  // ---- Group B ----
  bool longMonthName, shortMonthName;  // RadioButton57, 58: long, short month name
  bool shortDate;                      // CheckBox4 "Short Date"
  // RadioButton38..43: hour sound/effect 6..8
  bool hourSound6, hourEffect6, hourSound7, hourEffect7, hourSound8, hourEffect8;
  bool amPmOn, amPmOff;               // RadioButton34, 35: Am / Pm ON, OFF
  bool secondsStyle2, secondsStyle6;  // RadioButton36, 37: seconds styles 2, 6
  // RadioButton51..56: seconds styles 9..12, 4, 8
  bool secondsStyle9, secondsStyle10, secondsStyle11, secondsStyle12, secondsStyle4, secondsStyle8;
  bool digitalAmPmOff;                                      // CheckBox28 "AM/PM OFF"
  bool digitalSecondsOff;                                   // CheckBox29 "Sec OFF"
  bool powerOffWarningOn;                                   // CheckBox31 "Play Sound ->"
  bool twelveHourFormat, twentyFourHourFormat;              // RadioButton44, 45: 12 h, 24 h format
  bool hourSound9, hourEffect9, hourEffect10, hourSound10;  // RadioButton46..49: hour sound 9, effects 9, 10, sound 10
  bool powerOffHibernate;                                   // RadioButton50 "Hibernation"
  bool startWithSystem;                                     // CheckBox30 "Start with System"
  bool forceShutdown;                                       // CheckBox33 "Force Shutdown"
  bool warningSound1, warningSound2, warningSound3;         // RadioButton59..61: power-off warning sound 1..3
  bool hourSound11, hourEffect11, hourSound12, hourEffect12;  // RadioButton62..65: hour sound/effect 11, 12

  // ---- RSS ticker group ----
  std::int32_t rssChannel;       // ComboBox8: selected RSS channel
  std::wstring tickerFontName;   // ComboBox9: ticker font name
  std::int32_t tickerFontStyle;  // ComboBox10: ticker font style choice
  std::int32_t tickerFontSize;   // ComboBox11: ticker font size choice
  std::int32_t tickerTop;        // ScrollBar4: ticker window top
  std::int32_t tickerStep;       // ScrollBar5: scrolling step
  std::int32_t tickerInterval;   // ScrollBar6: scrolling speed (timer interval, ms)
};

}  // namespace tikora
