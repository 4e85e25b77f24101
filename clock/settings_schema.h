// The settings table: every value kept under the settings key "Tikora", in load order, with its
// registry type, group, default, the control that holds it and, for radio buttons, the group of
// buttons it belongs to; and the order in which the control panel's close action saves them.
// Loading, the first-run write, saving and the Settings record's defaults all walk this table.
#pragma once
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "clock/settings.h"
#include "core/colour.h"
#include "core/datetime.h"

namespace tikora {

// One setting's value, whatever its type: Integer, Bool, Colour, String, Date or Time (the last
// two both as DateTime).
using SettingValue = std::variant<std::int32_t, bool, Colour, std::wstring, DateTime>;

// How a value is stored:
//   Integer, Bool, Colour: REG_DWORD (Bool 0 or 1, any non-zero reads as true; -1 is 0xFFFFFFFF)
//   String: REG_SZ (REG_EXPAND_SZ accepted when reading, used unexpanded)
//   Date, Time: REG_BINARY of exactly 8 bytes, the little-endian IEEE-754 double
enum class SettingType { Integer, Bool, Colour, String, Date, Time };

// Group A is loaded first; group B only when all of group A could be read. The ticker group is
// read by the RSS ticker window's creation.
enum class SettingGroup { A, B, Ticker };

// The kind of control that shows a value. It decides what setting the control from a loaded
// value sets off: a check box that changes runs its click action, a radio button that becomes
// selected runs its click action, a scroll bar that moves runs its change action; the others
// run nothing.
enum class SettingControl {
  CheckBox,
  RadioButton,
  ColorBox,
  ListChoice,  // a list's item index, -1 for no choice
  FontName,    // a font list's text
  Edit,
  UpDown,
  ScrollBar,
  DatePicker,  // date and time pickers alike
};

// What a control does with an Integer outside the range it can show.
enum class OutOfRange {
  Keep,      // no fixed range here (the range depends on the screen or on a list filled later)
  Clamp,     // a scroll bar or up-down: taken to the nearest end
  NoChoice,  // a list of fixed items: no item chosen (-1)
};

struct IntegerRange {
  std::int32_t minimum = 0;
  std::int32_t maximum = 0;
  OutOfRange rule = OutOfRange::Keep;
};

// The radio groups: one button of a group is selected at a time.
inline constexpr std::wstring_view kRadioVoiceRepeat = L"voice_repeat";  // voiceEvery1Minute .. voiceOff
inline constexpr std::wstring_view kRadioVoiceType = L"voice_type";      // femaleVoice, maleVoice
inline constexpr std::wstring_view kRadioPowerOffAction =
    L"power_off_action";  // powerOffShutdown, powerOffLogOff, powerOffHibernate
inline constexpr std::wstring_view kRadioPowerOffWarning = L"power_off_warning";  // warningSound1 .. warningSound3
inline constexpr std::wstring_view kRadioSecondsStyle = L"seconds_style";         // twelve styles
inline constexpr std::wstring_view kRadioHourSound = L"hour_sound";               // twelve sounds, OFF
inline constexpr std::wstring_view kRadioHourEffect = L"hour_effect";             // twelve effects, OFF
inline constexpr std::wstring_view kRadioRssSchedule = L"rss_schedule";           // rssEvery15Minutes .. rssScheduleOff
inline constexpr std::wstring_view kRadioMonthName = L"month_name";               // longMonthName, shortMonthName
inline constexpr std::wstring_view kRadioAmPm = L"am_pm";                         // amPmOn, amPmOff
inline constexpr std::wstring_view kRadioHourFormat = L"hour_format";  // twelveHourFormat, twentyFourHourFormat

// The field of Settings that holds a value.
using SettingField = std::variant<std::int32_t Settings::*, bool Settings::*, Colour Settings::*,
                                  std::wstring Settings::*, DateTime Settings::*>;

// A default: `number` for Integer, Bool (0 or 1) and Colour, `text` for String, `serial` (days
// since 30 December 1899) for Date and Time.
struct SettingDefault {
  std::int64_t number = 0;
  std::wstring_view text;
  double serial = 0.0;
};

struct SettingSpec {
  std::wstring_view name;  // the registry value name
  SettingType type = SettingType::Integer;
  SettingGroup group = SettingGroup::A;
  SettingField field;
  SettingDefault defaultValue;
  SettingControl control = SettingControl::CheckBox;
  std::wstring_view component;    // "ColorBox1", "RadioButton12", ...
  std::wstring_view caption;      // the control's own caption ("OFF", " 12 h Format"), if any
  std::wstring_view description;  // its group box or what it holds ("Day Of The Week")
  std::wstring_view radioGroup;   // radio buttons: their group ("voice_repeat"), else empty
  IntegerRange range;             // Integer only
};

// Every value in load order: group A, group B, the ticker group.
std::span<const SettingSpec> settingsSchema();
// The values of one group, in load order.
std::span<const SettingSpec> settingsGroup(SettingGroup group);
// Nullptr for a name not in the table. Names compare exactly (the table's spelling).
const SettingSpec* findSetting(std::wstring_view name);
// The row of a field of Settings (every field has one).
const SettingSpec& settingOf(SettingField field);
// The close action's save order: every value but `startWithSystem`, which only its own box writes.
std::span<const std::wstring_view> saveOrder();

// The setting a control of the control panel shows; nullptr for a control that holds none.
const SettingSpec* settingOfComponent(std::wstring_view component);
// The items of a list of fixed items, in order ("Style 1" .. "Style 40", "00" .. "23", "Normal"
// .. "Italic Bold", blank items for the picture lists); empty for a list filled while the
// program runs (the fonts, the RSS channels).
std::vector<std::wstring> listItems(const SettingSpec& described);

// The value of the field that `described` names.
SettingValue valueOf(const Settings& settings, const SettingSpec& described);
// Stores `value` in the field that `described` names. False, and nothing stored, when the value's kind
// does not fit the field.
bool setValue(Settings& settings, const SettingSpec& described, const SettingValue& value);

// Selects the radio button `button` and clears the other buttons of its group. False when
// `button` is no radio button.
bool selectRadioButton(Settings& settings, const SettingSpec& button);
bool selectRadioButton(Settings& settings, bool Settings::*button);
// The selected button of a radio group ("voice_repeat", "seconds_style", ...), the first in the
// table's order; nullptr when none is selected.
bool Settings::*selectedRadioButton(const Settings& settings, std::wstring_view radioGroup);

// The default of a setting as a value of its type.
SettingValue defaultValueOf(const SettingSpec& described);
// The Integer a control can show for `stored`, by the setting's range.
std::int32_t fitToRange(const SettingSpec& described, std::int32_t stored);

}  // namespace tikora
