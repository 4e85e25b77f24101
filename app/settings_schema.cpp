// The settings table and the save order; see settings_schema.h.
#include "app/settings_schema.h"

#include <algorithm>
#include <stdexcept>

namespace tikora {
namespace {

using enum SettingGroup;

// Every entry is made by one of these, so that a field's C++ type always matches its type.
constexpr SettingSpec entry(SettingGroup group, std::wstring_view name, SettingType type, SettingField field,
                            SettingDefault value, SettingControl control, std::wstring_view component,
                            std::wstring_view caption, std::wstring_view description, std::wstring_view radioGroup = {},
                            IntegerRange range = {}) {
  return {name, type, group, field, value, control, component, caption, description, radioGroup, range};
}

constexpr SettingDefault number(std::int64_t value) { return {value, {}, 0.0}; }

constexpr SettingSpec colourBox(SettingGroup group, std::wstring_view name, Colour Settings::*field, Colour value,
                                std::wstring_view component, std::wstring_view description) {
  return entry(group, name, SettingType::Colour, field, number(value), SettingControl::ColorBox, component, {},
               description);
}

constexpr SettingSpec checkBox(SettingGroup group, std::wstring_view name, bool Settings::*field, bool value,
                               std::wstring_view component, std::wstring_view caption,
                               std::wstring_view description = {}) {
  return entry(group, name, SettingType::Bool, field, number(value ? 1 : 0), SettingControl::CheckBox, component,
               caption, description);
}

// A group of radio buttons: the box they sit in and the group's name.
struct RadioSet {
  std::wstring_view description;
  std::wstring_view group;
};

constexpr SettingSpec radio(SettingGroup group, std::wstring_view name, bool Settings::*field, bool value,
                            std::wstring_view component, std::wstring_view caption, RadioSet set) {
  return entry(group, name, SettingType::Bool, field, number(value ? 1 : 0), SettingControl::RadioButton, component,
               caption, set.description, set.group);
}

// A list of `items` fixed entries; 0 for a list filled while the program runs.
constexpr SettingSpec listChoice(SettingGroup group, std::wstring_view name, std::int32_t Settings::*field,
                                 std::int32_t value, std::wstring_view component, std::wstring_view description,
                                 std::int32_t items) {
  const IntegerRange range = items > 0 ? IntegerRange{-1, items - 1, OutOfRange::NoChoice} : IntegerRange{};
  return entry(group, name, SettingType::Integer, field, number(value), SettingControl::ListChoice, component, {},
               description, {}, range);
}

constexpr SettingSpec text(SettingGroup group, SettingControl control, std::wstring_view name,
                           std::wstring Settings::*field, std::wstring_view value, std::wstring_view component,
                           std::wstring_view description) {
  return entry(group, name, SettingType::String, field, {0, value, 0.0}, control, component, {}, description);
}

// A scroll bar or up-down. Without a range here, the control panel sets it from the screen.
constexpr SettingSpec position(SettingGroup group, SettingControl control, std::wstring_view name,
                               std::int32_t Settings::*field, std::int32_t value, std::wstring_view component,
                               std::wstring_view description, IntegerRange range = {}) {
  return entry(group, name, SettingType::Integer, field, number(value), control, component, {}, description, {}, range);
}

constexpr SettingSpec picker(SettingGroup group, SettingType type, std::wstring_view name, DateTime Settings::*field,
                             double serial, std::wstring_view component, std::wstring_view description) {
  return entry(group, name, type, field, {0, {}, serial}, SettingControl::DatePicker, component, {}, description);
}

constexpr Colour kBlack = 0x00000000;
constexpr Colour kFuchsia = 0x00FF00FF;
constexpr Colour kRed = 0x000000FF;
constexpr Colour kYellow = 0x0000FFFF;
constexpr Colour kAqua = 0x00FFFF00;
constexpr Colour kMaroon = 0x00000080;

constexpr double kCountdownDate = 40885.0;  // 8 December 2011
constexpr double kCountdownTime = 0.625;    // 15:00:00

constexpr RadioSet kRepeat{L"Repeat Time Every  [minutes]", kRadioVoiceRepeat};
constexpr RadioSet kVoice{L"Type of the Voice", kRadioVoiceType};
constexpr std::wstring_view kPowerOff = L"Shutdown PC /Log off from Windows/Hibernation";
constexpr RadioSet kAction{kPowerOff, kRadioPowerOffAction};
constexpr RadioSet kWarning{L"power-off warning sound", kRadioPowerOffWarning};
constexpr RadioSet kSeconds{L"Seconds Style", kRadioSecondsStyle};
constexpr RadioSet kSound{L"By Sound Effect", kRadioHourSound};
constexpr RadioSet kEffect{L"By Visiual Effect", kRadioHourEffect};
constexpr RadioSet kRss{L"Play Selected RSS Channel Every", kRadioRssSchedule};
constexpr RadioSet kMonth{L"Date", kRadioMonthName};
constexpr RadioSet kAmPm{L"Am / Pm", kRadioAmPm};
constexpr RadioSet kFormat{L"Digital Time", kRadioHourFormat};
constexpr std::wstring_view kFront = L"In Front of Clock Hands";

constexpr SettingControl kScrollBar = SettingControl::ScrollBar;
constexpr SettingControl kFontName = SettingControl::FontName;

constexpr SettingSpec kSchema[] = {
    // ---- Group A ----
    colourBox(A, L"col_bg", &Settings::backgroundColour, kBlack, L"ColorBox1", L"Clock Background"),
    colourBox(A, L"col_se", &Settings::secondsColour, kFuchsia, L"ColorBox2", L"Seconds Color"),
    colourBox(A, L"col_fo", &Settings::digitColour, kRed, L"ColorBox3", L"Digit Font Color"),
    colourBox(A, L"col_dw", &Settings::weekdayColour, kYellow, L"ColorBox4", L"Day Color"),
    colourBox(A, L"col_dy", &Settings::dateColour, kYellow, L"ColorBox5", L"Date Color"),
    checkBox(A, L"chk_dw", &Settings::weekdayOff, true, L"CheckBox1", L"OFF", L"Day Of The Week"),
    checkBox(A, L"chk_ds", &Settings::weekdayShortName, false, L"CheckBox2", L"Short Name", L"Day Of The Week"),
    checkBox(A, L"chk_dy", &Settings::dateOff, true, L"CheckBox3", L"OFF", L"Date"),
    listChoice(A, L"co_fr", &Settings::frameColourRule, 6, L"ComboBox1", L"Frame Color", 19),
    listChoice(A, L"nrm_st", &Settings::frameStyle, -1, L"ComboBox12", L"Frame Style", 40),
    listChoice(A, L"co_ha", &Settings::handStyle, 0, L"ComboBox2", L"Clock Hands Style", 18),
    colourBox(A, L"col_bl", &Settings::laserColour, kAqua, L"ColorBox8", L"Laser Effect"),
    checkBox(A, L"chk_sh", &Settings::secondHandOff, false, L"CheckBox5", L"Second Hand OFF"),
    checkBox(A, L"chk_le", &Settings::laserOff, true, L"CheckBox6", L"OFF", L"Seconds: laser effect"),
    position(A, kScrollBar, L"po_po", &Settings::startLeft, 0, L"ScrollBar1", L"horizontal start-up position"),
    position(A, kScrollBar, L"po_pi", &Settings::startTop, 0, L"ScrollBar2", L"vertical start-up position"),
    checkBox(A, L"chk_df", &Settings::startAtSetPosition, false, L"CheckBox8", L"Set Current Position"),
    colourBox(A, L"col_ha", &Settings::handColour, kMaroon, L"ColorBox9", L"Clock Hands Color"),
    radio(A, L"ra_on", &Settings::voiceEvery1Minute, false, L"RadioButton1", L"1", kRepeat),
    radio(A, L"ra_tw", &Settings::voiceEvery5Minutes, false, L"RadioButton2", L"5", kRepeat),
    radio(A, L"ra_th", &Settings::voiceEvery10Minutes, false, L"RadioButton3", L"10", kRepeat),
    radio(A, L"ra_fo", &Settings::voiceEvery15Minutes, false, L"RadioButton4", L"15", kRepeat),
    radio(A, L"ra_fi", &Settings::voiceEvery30Minutes, false, L"RadioButton5", L"30", kRepeat),
    radio(A, L"ra_si", &Settings::voiceEvery60Minutes, true, L"RadioButton6", L"60", kRepeat),
    radio(A, L"ra_se", &Settings::voiceOff, false, L"RadioButton7", L"OFF", kRepeat),
    radio(A, L"ra_eg", &Settings::femaleVoice, false, L"RadioButton8", L"Female Voice", kVoice),
    radio(A, L"ra_ni", &Settings::maleVoice, true, L"RadioButton9", L"Male Voice", kVoice),
    radio(A, L"ra_to", &Settings::powerOffShutdown, false, L"RadioButton10", L"Shutdown", kAction),
    radio(A, L"ra_lo", &Settings::powerOffLogOff, false, L"RadioButton11", L"Log OFF", kAction),
    text(A, SettingControl::Edit, L"ed_mi", &Settings::powerOffMinutesText, L"3", L"Edit1", L"minutes until power-off"),
    listChoice(A, L"co_go", &Settings::powerOffHour, 0, L"ComboBox3", L"hour of the exact power-off time", 24),
    listChoice(A, L"co_mi", &Settings::powerOffMinute, 0, L"ComboBox4", L"minute of the exact power-off time", 60),
    position(A, SettingControl::UpDown, L"up_mi", &Settings::powerOffMinutes, 3, L"UpDown1", L"minutes until power-off",
             {0, 1440, OutOfRange::Clamp}),
    colourBox(A, L"col_tt", &Settings::powerOffTimeColour, kFuchsia, L"ColorBox10", L"Time to Turn OFF"),
    colourBox(A, L"col_tw", &Settings::workTimeColour, kYellow, L"ColorBox12", L"System Work Time"),
    checkBox(A, L"chk_st", &Settings::showWorkTime, false, L"CheckBox12", L"Show Time in Clock ", L"System Work Time"),
    colourBox(A, L"col_ft", &Settings::countdownColour, kYellow, L"ColorBox14", L"Countdown to the Date"),
    picker(A, SettingType::Date, L"dtp_da", &Settings::countdownDate, kCountdownDate, L"DateTimePicker1",
           L"countdown target date"),
    picker(A, SettingType::Time, L"dtp_ti", &Settings::countdownTime, kCountdownTime, L"DateTimePicker2",
           L"countdown target time"),
    checkBox(A, L"chk_ct", &Settings::showCountdown, false, L"CheckBox14",
             L"Show Countdown Time in the Clock  [ days  h:min:sec ]"),
    checkBox(A, L"chc_co", &Settings::countdownInFront, false, L"CheckBox15", kFront, L"countdown"),
    checkBox(A, L"chc_sw", &Settings::workTimeInFront, false, L"CheckBox16", kFront, L"system work time"),
    checkBox(A, L"chc_to", &Settings::powerOffTimeInFront, false, L"CheckBox17", kFront, L"power-off time"),
    checkBox(A, L"chc_dw", &Settings::weekdayInFront, false, L"CheckBox18", kFront, L"day of the week"),
    checkBox(A, L"chc_dc", &Settings::dateInFront, false, L"CheckBox19", kFront, L"date"),
    text(A, kFontName, L"com_fo", &Settings::faceFontName, L"Font", L"ComboBox5", L"Font Type"),
    listChoice(A, L"com_si", &Settings::faceFontSize, -1, L"ComboBox6", L"face font size", 5),
    listChoice(A, L"com_st", &Settings::faceFontStyle, -1, L"ComboBox7", L"face font style", 4),
    checkBox(A, L"chk_tr", &Settings::transparencyOn, false, L"CheckBox20", L"Set Transparency"),
    position(A, kScrollBar, L"scr_tr", &Settings::transparency, 255, L"ScrollBar3", L"transparency",
             {0, 255, OutOfRange::Clamp}),
    checkBox(A, L"st_to", &Settings::alwaysOnTop, false, L"CheckBox21", L"Set Clock Window on Top"),
    radio(A, L"se_sto", &Settings::secondsStyle1, true, L"RadioButton12", L"1", kSeconds),
    radio(A, L"se_stw", &Settings::secondsStyle3, false, L"RadioButton13", L"3", kSeconds),
    radio(A, L"se_sko", &Settings::secondsStyle5, false, L"RadioButton14", L"5", kSeconds),
    radio(A, L"se_skw", &Settings::secondsStyle7, false, L"RadioButton15", L"7", kSeconds),
    checkBox(A, L"sek_of", &Settings::secondsOff, false, L"CheckBox22", L"OFF", L"Seconds"),
    checkBox(A, L"cfr_of", &Settings::digitsOff, false, L"CheckBox23", L"OFF", L"Clock Frame,  Background,  Digits"),
    checkBox(A, L"cal_of", &Settings::allHandsOff, false, L"CheckBox24", L"All Hands OFF"),
    checkBox(A, L"cti_of", &Settings::digitalTimeOff, true, L"CheckBox25", L"OFF", L"Digital Time"),
    checkBox(A, L"cti_fr", &Settings::digitalTimeInFront, false, L"CheckBox26", kFront, L"Digital Time"),
    colourBox(A, L"col_ti", &Settings::digitalTimeColour, kYellow, L"ColorBox6", L"Digital Time: Time Color"),
    radio(A, L"ra_h1", &Settings::hourSound1, true, L"RadioButton16", L"1", kSound),
    radio(A, L"ra_h2", &Settings::hourSound2, false, L"RadioButton17", L"2", kSound),
    radio(A, L"ra_h3", &Settings::hourSound3, false, L"RadioButton18", L"3", kSound),
    radio(A, L"ra_h4", &Settings::hourSound4, false, L"RadioButton19", L"4", kSound),
    radio(A, L"ra_h5", &Settings::hourSound5, false, L"RadioButton20", L"5", kSound),
    radio(A, L"ra_h6", &Settings::hourSoundOff, false, L"RadioButton21", L"OFF", kSound),
    radio(A, L"ra_h7", &Settings::hourEffect1, true, L"RadioButton22", L"1", kEffect),
    radio(A, L"ra_h8", &Settings::hourEffect2, false, L"RadioButton23", L"2", kEffect),
    radio(A, L"ra_h9", &Settings::hourEffect3, false, L"RadioButton24", L"3", kEffect),
    radio(A, L"ra_h10", &Settings::hourEffect4, false, L"RadioButton25", L"4", kEffect),
    radio(A, L"ra_h11", &Settings::hourEffect5, false, L"RadioButton26", L"5", kEffect),
    radio(A, L"ra_h12", &Settings::hourEffectOff, false, L"RadioButton27", L"OFF", kEffect),
    radio(A, L"rs_hma", &Settings::rssEvery15Minutes, false, L"RadioButton28", L"15min", kRss),
    radio(A, L"rs_hmb", &Settings::rssEvery30Minutes, false, L"RadioButton29", L"30min", kRss),
    radio(A, L"rs_hmc", &Settings::rssEveryHour, false, L"RadioButton30", L"1h", kRss),
    radio(A, L"rs_hmd", &Settings::rssEvery2Hours, false, L"RadioButton31", L"2h", kRss),
    radio(A, L"rs_hme", &Settings::rssEvery4Hours, false, L"RadioButton32", L"4h", kRss),
    radio(A, L"rs_hmf", &Settings::rssScheduleOff, true, L"RadioButton33", L"OFF", kRss),

    // ---- Group B ----
    radio(B, L"dt_ta", &Settings::longMonthName, true, L"RadioButton57", L"Long Month Name", kMonth),
    radio(B, L"dt_tb", &Settings::shortMonthName, false, L"RadioButton58", L"Short Month Name", kMonth),
    checkBox(B, L"chk_dff", &Settings::shortDate, false, L"CheckBox4", L"Short Date", L"Date"),
    radio(B, L"se_sin", &Settings::hourSound6, false, L"RadioButton38", L"6", kSound),
    radio(B, L"se_sro", &Settings::hourEffect6, false, L"RadioButton39", L"6", kEffect),
    radio(B, L"se_sid", &Settings::hourSound7, false, L"RadioButton40", L"7", kSound),
    radio(B, L"se_sre", &Settings::hourEffect7, false, L"RadioButton41", L"7", kEffect),
    radio(B, L"se_sdd", &Settings::hourSound8, false, L"RadioButton42", L"8", kSound),
    radio(B, L"se_srr", &Settings::hourEffect8, false, L"RadioButton43", L"8", kEffect),
    radio(B, L"ts_onn", &Settings::amPmOn, true, L"RadioButton34", L"ON", kAmPm),
    radio(B, L"ts_off", &Settings::amPmOff, false, L"RadioButton35", L"OFF", kAmPm),
    radio(B, L"se_smn", &Settings::secondsStyle2, false, L"RadioButton36", L"2", kSeconds),
    radio(B, L"se_smo", &Settings::secondsStyle6, false, L"RadioButton37", L"6", kSeconds),
    radio(B, L"se_sxa", &Settings::secondsStyle9, false, L"RadioButton51", L"9", kSeconds),
    radio(B, L"se_sxb", &Settings::secondsStyle10, false, L"RadioButton52", L"10", kSeconds),
    radio(B, L"se_sxc", &Settings::secondsStyle11, false, L"RadioButton53", L"11", kSeconds),
    radio(B, L"se_sxd", &Settings::secondsStyle12, false, L"RadioButton54", L"12", kSeconds),
    radio(B, L"se_sxe", &Settings::secondsStyle4, false, L"RadioButton55", L"4", kSeconds),
    radio(B, L"se_sxf", &Settings::secondsStyle8, false, L"RadioButton56", L"8", kSeconds),
    checkBox(B, L"chk_dam", &Settings::digitalAmPmOff, false, L"CheckBox28", L"AM/PM OFF", L"Digital Time"),
    checkBox(B, L"chk_sec", &Settings::digitalSecondsOff, false, L"CheckBox29", L"Sec OFF", L"Digital Time"),
    checkBox(B, L"chk_alr", &Settings::powerOffWarningOn, false, L"CheckBox31", L"Play Sound ->", kPowerOff),
    radio(B, L"se_2fh", &Settings::twelveHourFormat, true, L"RadioButton44", L" 12 h Format", kFormat),
    radio(B, L"se_4fh", &Settings::twentyFourHourFormat, false, L"RadioButton45", L"24 h Format", kFormat),
    radio(B, L"se_uyw", &Settings::hourSound9, false, L"RadioButton46", L"9", kSound),
    radio(B, L"se_zcv", &Settings::hourEffect9, false, L"RadioButton47", L"9", kEffect),
    radio(B, L"se_ptw", &Settings::hourEffect10, false, L"RadioButton48", L"10", kEffect),
    radio(B, L"se_axv", &Settings::hourSound10, false, L"RadioButton49", L"10", kSound),
    radio(B, L"ie_utv", &Settings::powerOffHibernate, false, L"RadioButton50", L"Hibernation", kAction),
    checkBox(B, L"ses_st", &Settings::startWithSystem, true, L"CheckBox30", L"Start with System",
             L"Clock Start-up Position"),
    checkBox(B, L"ms_pfr", &Settings::forceShutdown, false, L"CheckBox33", L"Force Shutdown", kPowerOff),
    radio(B, L"se_axa", &Settings::warningSound1, true, L"RadioButton59", L"1", kWarning),
    radio(B, L"se_bxb", &Settings::warningSound2, false, L"RadioButton60", L"2", kWarning),
    radio(B, L"se_cxc", &Settings::warningSound3, false, L"RadioButton61", L"3", kWarning),
    radio(B, L"se_dxd", &Settings::hourSound11, false, L"RadioButton62", L"11", kSound),
    radio(B, L"se_exe", &Settings::hourEffect11, false, L"RadioButton63", L"11", kEffect),
    radio(B, L"se_oes", &Settings::hourSound12, false, L"RadioButton64", L"12", kSound),
    radio(B, L"se_oev", &Settings::hourEffect12, false, L"RadioButton65", L"12", kEffect),

    // ---- RSS ticker group ----
    listChoice(Ticker, L"cor_ch", &Settings::rssChannel, -1, L"ComboBox8", L"Select RSS Channel", 0),
    text(Ticker, kFontName, L"cor_fo", &Settings::tickerFontName, L"Arial", L"ComboBox9", L"ticker font name"),
    listChoice(Ticker, L"cor_st", &Settings::tickerFontStyle, 0, L"ComboBox10", L"ticker font style", 4),
    listChoice(Ticker, L"cor_si", &Settings::tickerFontSize, 2, L"ComboBox11", L"ticker font size", 5),
    position(Ticker, kScrollBar, L"por_po", &Settings::tickerTop, 0, L"ScrollBar4", L"ticker window position"),
    position(Ticker, kScrollBar, L"por_st", &Settings::tickerStep, 30, L"ScrollBar5", L"scrolling step",
             {2, 60, OutOfRange::Clamp}),
    position(Ticker, kScrollBar, L"por_sp", &Settings::tickerInterval, 150, L"ScrollBar6", L"scrolling speed",
             {1, 1000, OutOfRange::Clamp}),
};

using S = Settings;
constexpr SettingField kSaveOrder[] = {
    &S::backgroundColour,
    &S::secondsColour,
    &S::digitColour,
    &S::weekdayColour,
    &S::dateColour,
    &S::weekdayOff,
    &S::weekdayShortName,
    &S::dateOff,
    &S::shortDate,
    &S::frameColourRule,
    &S::frameStyle,
    &S::handStyle,
    &S::laserColour,
    &S::secondHandOff,
    &S::laserOff,
    &S::startLeft,
    &S::startTop,
    &S::startAtSetPosition,
    &S::handColour,
    &S::voiceEvery1Minute,
    &S::voiceEvery5Minutes,
    &S::voiceEvery10Minutes,
    &S::voiceEvery15Minutes,
    &S::voiceEvery30Minutes,
    &S::voiceEvery60Minutes,
    &S::voiceOff,
    &S::femaleVoice,
    &S::maleVoice,
    &S::powerOffShutdown,
    &S::powerOffLogOff,
    &S::powerOffMinutesText,
    &S::powerOffHour,
    &S::powerOffMinute,
    &S::powerOffMinutes,
    &S::powerOffTimeColour,
    &S::showWorkTime,
    &S::workTimeColour,
    &S::countdownDate,
    &S::countdownTime,
    &S::showCountdown,
    &S::countdownColour,
    &S::countdownInFront,
    &S::workTimeInFront,
    &S::powerOffTimeInFront,
    &S::weekdayInFront,
    &S::dateInFront,
    &S::faceFontName,
    &S::faceFontSize,
    &S::faceFontStyle,
    &S::transparency,
    &S::transparencyOn,
    &S::alwaysOnTop,
    &S::secondsStyle1,
    &S::secondsStyle3,
    &S::secondsStyle5,
    &S::secondsStyle7,
    &S::secondsStyle2,
    &S::secondsStyle6,
    &S::secondsOff,
    &S::digitsOff,
    &S::allHandsOff,
    &S::digitalTimeOff,
    &S::digitalTimeInFront,
    &S::digitalTimeColour,
    &S::hourSound1,
    &S::hourSound2,
    &S::hourSound3,
    &S::hourSound4,
    &S::hourSound5,
    &S::hourSoundOff,
    &S::hourEffect1,
    &S::hourEffect2,
    &S::hourEffect3,
    &S::hourEffect4,
    &S::hourEffect5,
    &S::hourEffectOff,
    &S::rssChannel,
    &S::tickerFontName,
    &S::tickerFontStyle,
    &S::tickerFontSize,
    &S::tickerTop,
    &S::tickerStep,
    &S::tickerInterval,
    &S::rssEvery15Minutes,
    &S::rssEvery30Minutes,
    &S::rssEveryHour,
    &S::rssEvery2Hours,
    &S::rssEvery4Hours,
    &S::rssScheduleOff,
    &S::amPmOn,
    &S::amPmOff,
    &S::hourSound6,
    &S::hourEffect6,
    &S::hourSound7,
    &S::hourEffect7,
    &S::hourSound8,
    &S::hourEffect8,
    &S::twelveHourFormat,
    &S::twentyFourHourFormat,
    &S::hourSound9,
    &S::hourEffect9,
    &S::hourEffect10,
    &S::hourSound10,
    &S::powerOffHibernate,
    &S::secondsStyle9,
    &S::secondsStyle10,
    &S::secondsStyle11,
    &S::secondsStyle12,
    &S::secondsStyle4,
    &S::secondsStyle8,
    &S::digitalAmPmOff,
    &S::digitalSecondsOff,
    &S::powerOffWarningOn,
    &S::longMonthName,
    &S::shortMonthName,
    &S::forceShutdown,
    &S::warningSound1,
    &S::warningSound2,
    &S::warningSound3,
    &S::hourSound11,
    &S::hourEffect11,
    &S::hourSound12,
    &S::hourEffect12,
};

}  // namespace

std::span<const SettingSpec> settingsSchema() { return kSchema; }

std::span<const SettingSpec> settingsGroup(SettingGroup group) {
  const std::span<const SettingSpec> all = kSchema;
  const auto first = std::find_if(all.begin(), all.end(), [&](const SettingSpec& s) { return s.group == group; });
  const auto last = std::find_if(first, all.end(), [&](const SettingSpec& s) { return s.group != group; });
  return {first, last};
}

const SettingSpec* findSetting(std::wstring_view name) {
  for (const auto& described : kSchema)
    if (described.name == name) return &described;
  return nullptr;
}

const SettingSpec& settingOf(SettingField field) {
  for (const auto& described : kSchema)
    if (described.field == field) return described;
  throw std::logic_error("a Settings field without its row in the settings table");
}

std::span<const std::wstring_view> saveOrder() {
  static const std::vector<std::wstring_view> names = [] {
    std::vector<std::wstring_view> order;
    for (const SettingField& field : kSaveOrder) order.push_back(settingOf(field).name);
    return order;
  }();
  return names;
}

SettingValue defaultValueOf(const SettingSpec& described) {
  const auto& d = described.defaultValue;
  switch (described.type) {
    case SettingType::Integer: return static_cast<std::int32_t>(d.number);
    case SettingType::Bool: return d.number != 0;
    case SettingType::Colour: return static_cast<Colour>(d.number);
    case SettingType::String: return std::wstring(d.text);
    case SettingType::Date:
    case SettingType::Time: return DateTime::fromSerial(d.serial).value_or(DateTime());
  }
  return std::int32_t{0};
}

std::int32_t fitToRange(const SettingSpec& described, std::int32_t stored) {
  const auto& r = described.range;
  if (stored >= r.minimum && stored <= r.maximum) return stored;
  switch (r.rule) {
    case OutOfRange::Keep: return stored;
    case OutOfRange::Clamp: return std::clamp(stored, r.minimum, r.maximum);
    case OutOfRange::NoChoice: return -1;
  }
  return stored;
}

const SettingSpec* settingOfComponent(std::wstring_view component) {
  if (component.empty()) return nullptr;
  for (const auto& described : kSchema)
    if (described.component == component) return &described;
  return nullptr;
}

std::vector<std::wstring> listItems(const SettingSpec& described) {
  std::vector<std::wstring> items;
  const auto numbers = [&](int from, int to, int step) {
    for (int n = from; n <= to; n += step) items.push_back(std::to_wstring(n));
  };
  const auto is = [&](auto... fields) { return ((described.field == SettingField{fields}) || ...); };
  const int count = described.range.maximum + 1;
  if (is(&S::frameStyle)) {
    for (int n = 1; n <= count; ++n) items.push_back(L"Style " + std::to_wstring(n));
  } else if (is(&S::frameColourRule, &S::handStyle)) {
    items.resize(std::size_t(count));  // pictures, drawn from the sample strips
  } else if (is(&S::powerOffHour, &S::powerOffMinute)) {
    for (int n = 0; n < count; ++n) items.push_back(n <= 9 ? L"0" + std::to_wstring(n) : std::to_wstring(n));
  } else if (is(&S::faceFontSize)) {
    numbers(8, 12, 1);
  } else if (is(&S::tickerFontSize)) {
    numbers(10, 18, 2);
  } else if (is(&S::faceFontStyle, &S::tickerFontStyle)) {
    items = {L"Normal", L"Italic", L"Bold", L"Italic Bold"};
  }
  return items;
}

}  // namespace tikora
