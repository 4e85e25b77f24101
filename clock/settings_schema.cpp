// The settings table and the save order; see settings_schema.h.
#include "clock/settings_schema.h"

#include <algorithm>
#include <stdexcept>

#include "clock/control_panel_names.h"

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
    colourBox(A, L"col_bg", &Settings::backgroundColour, kBlack, kBackgroundColourBox, L"Clock Background"),
    colourBox(A, L"col_se", &Settings::secondsColour, kFuchsia, kSecondsColourBox, L"Seconds Color"),
    colourBox(A, L"col_fo", &Settings::digitColour, kRed, kDigitColourBox, L"Digit Font Color"),
    colourBox(A, L"col_dw", &Settings::weekdayColour, kYellow, kWeekdayColourBox, L"Day Color"),
    colourBox(A, L"col_dy", &Settings::dateColour, kYellow, kDateColourBox, L"Date Color"),
    checkBox(A, L"chk_dw", &Settings::weekdayOff, true, kWeekdayOffBox, L"OFF", L"Day Of The Week"),
    checkBox(A, L"chk_ds", &Settings::weekdayShortName, false, kWeekdayShortNameBox, L"Short Name", L"Day Of The Week"),
    checkBox(A, L"chk_dy", &Settings::dateOff, true, kDateOffBox, L"OFF", L"Date"),
    listChoice(A, L"co_fr", &Settings::frameColourRule, 6, kFrameColourList, L"Frame Color", 19),
    listChoice(A, L"nrm_st", &Settings::frameStyle, -1, kFrameStyleList, L"Frame Style", 40),
    listChoice(A, L"co_ha", &Settings::handStyle, 0, kHandStyleList, L"Clock Hands Style", 18),
    colourBox(A, L"col_bl", &Settings::laserColour, kAqua, kLaserColourBox, L"Laser Effect"),
    checkBox(A, L"chk_sh", &Settings::secondHandOff, false, kSecondHandOffBox, L"Second Hand OFF"),
    checkBox(A, L"chk_le", &Settings::laserOff, true, kLaserOffBox, L"OFF", L"Seconds: laser effect"),
    position(A, kScrollBar, L"po_po", &Settings::startLeft, 0, kStartLeftBar, L"horizontal start-up position"),
    position(A, kScrollBar, L"po_pi", &Settings::startTop, 0, kStartTopBar, L"vertical start-up position"),
    checkBox(A, L"chk_df", &Settings::startAtSetPosition, false, kStartAtSetPositionBox, L"Set Current Position"),
    colourBox(A, L"col_ha", &Settings::handColour, kMaroon, kHandColourBox, L"Clock Hands Color"),
    radio(A, L"ra_on", &Settings::voiceEvery1Minute, false, kVoiceEvery1MinuteButton, L"1", kRepeat),
    radio(A, L"ra_tw", &Settings::voiceEvery5Minutes, false, kVoiceEvery5MinutesButton, L"5", kRepeat),
    radio(A, L"ra_th", &Settings::voiceEvery10Minutes, false, kVoiceEvery10MinutesButton, L"10", kRepeat),
    radio(A, L"ra_fo", &Settings::voiceEvery15Minutes, false, kVoiceEvery15MinutesButton, L"15", kRepeat),
    radio(A, L"ra_fi", &Settings::voiceEvery30Minutes, false, kVoiceEvery30MinutesButton, L"30", kRepeat),
    radio(A, L"ra_si", &Settings::voiceEvery60Minutes, true, kVoiceEvery60MinutesButton, L"60", kRepeat),
    radio(A, L"ra_se", &Settings::voiceOff, false, kVoiceOffButton, L"OFF", kRepeat),
    radio(A, L"ra_eg", &Settings::femaleVoice, false, kFemaleVoiceButton, L"Female Voice", kVoice),
    radio(A, L"ra_ni", &Settings::maleVoice, true, kMaleVoiceButton, L"Male Voice", kVoice),
    radio(A, L"ra_to", &Settings::powerOffShutdown, false, kPowerOffShutdownButton, L"Shutdown", kAction),
    radio(A, L"ra_lo", &Settings::powerOffLogOff, false, kPowerOffLogOffButton, L"Log OFF", kAction),
    text(A, SettingControl::Edit, L"ed_mi", &Settings::powerOffMinutesText, L"3", kPowerOffMinutesEdit,
         L"minutes until power-off"),
    listChoice(A, L"co_go", &Settings::powerOffHour, 0, kPowerOffHourList, L"hour of the exact power-off time", 24),
    listChoice(A, L"co_mi", &Settings::powerOffMinute, 0, kPowerOffMinuteList, L"minute of the exact power-off time",
               60),
    position(A, SettingControl::UpDown, L"up_mi", &Settings::powerOffMinutes, 3, kPowerOffMinutesArrows,
             L"minutes until power-off", {0, 1440, OutOfRange::Clamp}),
    colourBox(A, L"col_tt", &Settings::powerOffTimeColour, kFuchsia, kPowerOffTimeColourBox, L"Time to Turn OFF"),
    colourBox(A, L"col_tw", &Settings::workTimeColour, kYellow, kWorkTimeColourBox, L"System Work Time"),
    checkBox(A, L"chk_st", &Settings::showWorkTime, false, kShowWorkTimeBox, L"Show Time in Clock ",
             L"System Work Time"),
    colourBox(A, L"col_ft", &Settings::countdownColour, kYellow, kCountdownColourBox, L"Countdown to the Date"),
    picker(A, SettingType::Date, L"dtp_da", &Settings::countdownDate, kCountdownDate, kCountdownDatePicker,
           L"countdown target date"),
    picker(A, SettingType::Time, L"dtp_ti", &Settings::countdownTime, kCountdownTime, kCountdownTimePicker,
           L"countdown target time"),
    checkBox(A, L"chk_ct", &Settings::showCountdown, false, kShowCountdownBox,
             L"Show Countdown Time in the Clock  [ days  h:min:sec ]"),
    checkBox(A, L"chc_co", &Settings::countdownInFront, false, kCountdownInFrontBox, kFront, L"countdown"),
    checkBox(A, L"chc_sw", &Settings::workTimeInFront, false, kWorkTimeInFrontBox, kFront, L"system work time"),
    checkBox(A, L"chc_to", &Settings::powerOffTimeInFront, false, kPowerOffTimeInFrontBox, kFront, L"power-off time"),
    checkBox(A, L"chc_dw", &Settings::weekdayInFront, false, kWeekdayInFrontBox, kFront, L"day of the week"),
    checkBox(A, L"chc_dc", &Settings::dateInFront, false, kDateInFrontBox, kFront, L"date"),
    text(A, kFontName, L"com_fo", &Settings::faceFontName, L"Font", kFaceFontNameList, L"Font Type"),
    listChoice(A, L"com_si", &Settings::faceFontSize, -1, kFaceFontSizeList, L"face font size", 5),
    listChoice(A, L"com_st", &Settings::faceFontStyle, -1, kFaceFontStyleList, L"face font style", 4),
    checkBox(A, L"chk_tr", &Settings::transparencyOn, false, kTransparencyOnBox, L"Set Transparency"),
    position(A, kScrollBar, L"scr_tr", &Settings::transparency, 255, kTransparencyBar, L"transparency",
             {0, 255, OutOfRange::Clamp}),
    checkBox(A, L"st_to", &Settings::alwaysOnTop, false, kAlwaysOnTopBox, L"Set Clock Window on Top"),
    radio(A, L"se_sto", &Settings::secondsStyle1, true, kSecondsStyle1Button, L"1", kSeconds),
    radio(A, L"se_stw", &Settings::secondsStyle3, false, kSecondsStyle3Button, L"3", kSeconds),
    radio(A, L"se_sko", &Settings::secondsStyle5, false, kSecondsStyle5Button, L"5", kSeconds),
    radio(A, L"se_skw", &Settings::secondsStyle7, false, kSecondsStyle7Button, L"7", kSeconds),
    checkBox(A, L"sek_of", &Settings::secondsOff, false, kSecondsOffBox, L"OFF", L"Seconds"),
    checkBox(A, L"cfr_of", &Settings::digitsOff, false, kDigitsOffBox, L"OFF", L"Clock Frame,  Background,  Digits"),
    checkBox(A, L"cal_of", &Settings::allHandsOff, false, kAllHandsOffBox, L"All Hands OFF"),
    checkBox(A, L"cti_of", &Settings::digitalTimeOff, true, kDigitalTimeOffBox, L"OFF", L"Digital Time"),
    checkBox(A, L"cti_fr", &Settings::digitalTimeInFront, false, kDigitalTimeInFrontBox, kFront, L"Digital Time"),
    colourBox(A, L"col_ti", &Settings::digitalTimeColour, kYellow, kDigitalTimeColourBox, L"Digital Time: Time Color"),
    radio(A, L"ra_h1", &Settings::hourSound1, true, kHourSound1Button, L"1", kSound),
    radio(A, L"ra_h2", &Settings::hourSound2, false, kHourSound2Button, L"2", kSound),
    radio(A, L"ra_h3", &Settings::hourSound3, false, kHourSound3Button, L"3", kSound),
    radio(A, L"ra_h4", &Settings::hourSound4, false, kHourSound4Button, L"4", kSound),
    radio(A, L"ra_h5", &Settings::hourSound5, false, kHourSound5Button, L"5", kSound),
    radio(A, L"ra_h6", &Settings::hourSoundOff, false, kHourSoundOffButton, L"OFF", kSound),
    radio(A, L"ra_h7", &Settings::hourEffect1, true, kHourEffect1Button, L"1", kEffect),
    radio(A, L"ra_h8", &Settings::hourEffect2, false, kHourEffect2Button, L"2", kEffect),
    radio(A, L"ra_h9", &Settings::hourEffect3, false, kHourEffect3Button, L"3", kEffect),
    radio(A, L"ra_h10", &Settings::hourEffect4, false, kHourEffect4Button, L"4", kEffect),
    radio(A, L"ra_h11", &Settings::hourEffect5, false, kHourEffect5Button, L"5", kEffect),
    radio(A, L"ra_h12", &Settings::hourEffectOff, false, kHourEffectOffButton, L"OFF", kEffect),
    radio(A, L"rs_hma", &Settings::rssEvery15Minutes, false, kRssEvery15MinutesButton, L"15min", kRss),
    radio(A, L"rs_hmb", &Settings::rssEvery30Minutes, false, kRssEvery30MinutesButton, L"30min", kRss),
    radio(A, L"rs_hmc", &Settings::rssEveryHour, false, kRssEveryHourButton, L"1h", kRss),
    radio(A, L"rs_hmd", &Settings::rssEvery2Hours, false, kRssEvery2HoursButton, L"2h", kRss),
    radio(A, L"rs_hme", &Settings::rssEvery4Hours, false, kRssEvery4HoursButton, L"4h", kRss),
    radio(A, L"rs_hmf", &Settings::rssScheduleOff, true, kRssScheduleOffButton, L"OFF", kRss),

    // ---- Group B ----
    radio(B, L"dt_ta", &Settings::longMonthName, true, kLongMonthNameButton, L"Long Month Name", kMonth),
    radio(B, L"dt_tb", &Settings::shortMonthName, false, kShortMonthNameButton, L"Short Month Name", kMonth),
    checkBox(B, L"chk_dff", &Settings::shortDate, false, kShortDateBox, L"Short Date", L"Date"),
    radio(B, L"se_sin", &Settings::hourSound6, false, kHourSound6Button, L"6", kSound),
    radio(B, L"se_sro", &Settings::hourEffect6, false, kHourEffect6Button, L"6", kEffect),
    radio(B, L"se_sid", &Settings::hourSound7, false, kHourSound7Button, L"7", kSound),
    radio(B, L"se_sre", &Settings::hourEffect7, false, kHourEffect7Button, L"7", kEffect),
    radio(B, L"se_sdd", &Settings::hourSound8, false, kHourSound8Button, L"8", kSound),
    radio(B, L"se_srr", &Settings::hourEffect8, false, kHourEffect8Button, L"8", kEffect),
    radio(B, L"ts_onn", &Settings::amPmOn, true, kAmPmOnButton, L"ON", kAmPm),
    radio(B, L"ts_off", &Settings::amPmOff, false, kAmPmOffButton, L"OFF", kAmPm),
    radio(B, L"se_smn", &Settings::secondsStyle2, false, kSecondsStyle2Button, L"2", kSeconds),
    radio(B, L"se_smo", &Settings::secondsStyle6, false, kSecondsStyle6Button, L"6", kSeconds),
    radio(B, L"se_sxa", &Settings::secondsStyle9, false, kSecondsStyle9Button, L"9", kSeconds),
    radio(B, L"se_sxb", &Settings::secondsStyle10, false, kSecondsStyle10Button, L"10", kSeconds),
    radio(B, L"se_sxc", &Settings::secondsStyle11, false, kSecondsStyle11Button, L"11", kSeconds),
    radio(B, L"se_sxd", &Settings::secondsStyle12, false, kSecondsStyle12Button, L"12", kSeconds),
    radio(B, L"se_sxe", &Settings::secondsStyle4, false, kSecondsStyle4Button, L"4", kSeconds),
    radio(B, L"se_sxf", &Settings::secondsStyle8, false, kSecondsStyle8Button, L"8", kSeconds),
    checkBox(B, L"chk_dam", &Settings::digitalAmPmOff, false, kDigitalAmPmOffBox, L"AM/PM OFF", L"Digital Time"),
    checkBox(B, L"chk_sec", &Settings::digitalSecondsOff, false, kDigitalSecondsOffBox, L"Sec OFF", L"Digital Time"),
    checkBox(B, L"chk_alr", &Settings::powerOffWarningOn, false, kPowerOffWarningOnBox, L"Play Sound ->", kPowerOff),
    radio(B, L"se_2fh", &Settings::twelveHourFormat, true, kTwelveHourFormatButton, L" 12 h Format", kFormat),
    radio(B, L"se_4fh", &Settings::twentyFourHourFormat, false, kTwentyFourHourFormatButton, L"24 h Format", kFormat),
    radio(B, L"se_uyw", &Settings::hourSound9, false, kHourSound9Button, L"9", kSound),
    radio(B, L"se_zcv", &Settings::hourEffect9, false, kHourEffect9Button, L"9", kEffect),
    radio(B, L"se_ptw", &Settings::hourEffect10, false, kHourEffect10Button, L"10", kEffect),
    radio(B, L"se_axv", &Settings::hourSound10, false, kHourSound10Button, L"10", kSound),
    radio(B, L"ie_utv", &Settings::powerOffHibernate, false, kPowerOffHibernateButton, L"Hibernation", kAction),
    checkBox(B, L"ses_st", &Settings::startWithSystem, true, kStartWithSystemBox, L"Start with System",
             kStartUpPositionGroup),
    checkBox(B, L"ms_pfr", &Settings::forceShutdown, false, kForceShutdownBox, L"Force Shutdown", kPowerOff),
    radio(B, L"se_axa", &Settings::warningSound1, true, kWarningSound1Button, L"1", kWarning),
    radio(B, L"se_bxb", &Settings::warningSound2, false, kWarningSound2Button, L"2", kWarning),
    radio(B, L"se_cxc", &Settings::warningSound3, false, kWarningSound3Button, L"3", kWarning),
    radio(B, L"se_dxd", &Settings::hourSound11, false, kHourSound11Button, L"11", kSound),
    radio(B, L"se_exe", &Settings::hourEffect11, false, kHourEffect11Button, L"11", kEffect),
    radio(B, L"se_oes", &Settings::hourSound12, false, kHourSound12Button, L"12", kSound),
    radio(B, L"se_oev", &Settings::hourEffect12, false, kHourEffect12Button, L"12", kEffect),

    // ---- RSS ticker group ----
    listChoice(Ticker, L"cor_ch", &Settings::rssChannel, -1, kRssChannelList, L"Select RSS Channel", 0),
    text(Ticker, kFontName, L"cor_fo", &Settings::tickerFontName, L"Arial", kTickerFontNameList, L"ticker font name"),
    listChoice(Ticker, L"cor_st", &Settings::tickerFontStyle, 0, kTickerFontStyleList, L"ticker font style", 4),
    listChoice(Ticker, L"cor_si", &Settings::tickerFontSize, 2, kTickerFontSizeList, L"ticker font size", 5),
    position(Ticker, kScrollBar, L"por_po", &Settings::tickerTop, 0, kTickerTopBar, L"ticker window position"),
    position(Ticker, kScrollBar, L"por_st", &Settings::tickerStep, 30, kTickerStepBar, L"scrolling step",
             {2, 60, OutOfRange::Clamp}),
    position(Ticker, kScrollBar, L"por_sp", &Settings::tickerInterval, 150, kTickerIntervalBar, L"scrolling speed",
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

Settings::Settings() {
  for (const auto& described : settingsSchema()) setValue(*this, described, defaultValueOf(described));
}

SettingValue valueOf(const Settings& settings, const SettingSpec& described) {
  return std::visit([&](auto member) -> SettingValue { return settings.*member; }, described.field);
}

bool setValue(Settings& settings, const SettingSpec& described, const SettingValue& value) {
  return std::visit(
      [&](auto member) {
        using Field = std::remove_reference_t<decltype(settings.*member)>;
        const auto* typed = std::get_if<Field>(&value);
        if (!typed) return false;
        settings.*member = *typed;
        return true;
      },
      described.field);
}

bool selectRadioButton(Settings& settings, const SettingSpec& button) {
  if (button.control != SettingControl::RadioButton) return false;
  for (const auto& described : settingsSchema())
    if (described.radioGroup == button.radioGroup) setValue(settings, described, &described == &button);
  return true;
}

bool selectRadioButton(Settings& settings, bool Settings::*button) {
  return selectRadioButton(settings, settingOf(button));
}

bool Settings::*selectedRadioButton(const Settings& settings, std::wstring_view radioGroup) {
  if (radioGroup.empty()) return nullptr;
  for (const auto& described : settingsSchema())
    if (described.radioGroup == radioGroup && std::get<bool>(valueOf(settings, described)))
      return std::get<bool Settings::*>(described.field);
  return nullptr;
}

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
  const auto counted = [&](const wchar_t* what) {
    for (int n = 1; n <= count; ++n) items.push_back(what + std::to_wstring(n));
  };
  if (is(&S::frameStyle)) {
    counted(L"Style ");
  } else if (is(&S::frameColourRule)) {
    // Lists of pictures: the items show cells of the sample strips; their texts are what a
    // screen reader says.
    counted(L"Frame colour ");
  } else if (is(&S::handStyle)) {
    counted(L"Hand style ");
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
