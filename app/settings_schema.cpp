// The settings table and the save order; see settings_schema.h.
#include "app/settings_schema.h"

#include <algorithm>

namespace tikora {
namespace {

using enum SettingGroup;

// The value name and the Settings field, spelled once so that they cannot drift apart.
#define FIELD(name) L"" #name, &Settings::name

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
    colourBox(A, FIELD(col_bg), kBlack, L"ColorBox1", L"Clock Background"),
    colourBox(A, FIELD(col_se), kFuchsia, L"ColorBox2", L"Seconds Color"),
    colourBox(A, FIELD(col_fo), kRed, L"ColorBox3", L"Digit Font Color"),
    colourBox(A, FIELD(col_dw), kYellow, L"ColorBox4", L"Day Color"),
    colourBox(A, FIELD(col_dy), kYellow, L"ColorBox5", L"Date Color"),
    checkBox(A, FIELD(chk_dw), true, L"CheckBox1", L"OFF", L"Day Of The Week"),
    checkBox(A, FIELD(chk_ds), false, L"CheckBox2", L"Short Name", L"Day Of The Week"),
    checkBox(A, FIELD(chk_dy), true, L"CheckBox3", L"OFF", L"Date"),
    listChoice(A, FIELD(co_fr), 6, L"ComboBox1", L"Frame Color", 19),
    listChoice(A, FIELD(nrm_st), -1, L"ComboBox12", L"Frame Style", 40),
    listChoice(A, FIELD(co_ha), 0, L"ComboBox2", L"Clock Hands Style", 18),
    colourBox(A, FIELD(col_bl), kAqua, L"ColorBox8", L"Laser Effect"),
    checkBox(A, FIELD(chk_sh), false, L"CheckBox5", L"Second Hand OFF"),
    checkBox(A, FIELD(chk_le), true, L"CheckBox6", L"OFF", L"Seconds: laser effect"),
    position(A, kScrollBar, FIELD(po_po), 0, L"ScrollBar1", L"horizontal start-up position"),
    position(A, kScrollBar, FIELD(po_pi), 0, L"ScrollBar2", L"vertical start-up position"),
    checkBox(A, FIELD(chk_df), false, L"CheckBox8", L"Set Current Position"),
    colourBox(A, FIELD(col_ha), kMaroon, L"ColorBox9", L"Clock Hands Color"),
    radio(A, FIELD(ra_on), false, L"RadioButton1", L"1", kRepeat),
    radio(A, FIELD(ra_tw), false, L"RadioButton2", L"5", kRepeat),
    radio(A, FIELD(ra_th), false, L"RadioButton3", L"10", kRepeat),
    radio(A, FIELD(ra_fo), false, L"RadioButton4", L"15", kRepeat),
    radio(A, FIELD(ra_fi), false, L"RadioButton5", L"30", kRepeat),
    radio(A, FIELD(ra_si), true, L"RadioButton6", L"60", kRepeat),
    radio(A, FIELD(ra_se), false, L"RadioButton7", L"OFF", kRepeat),
    radio(A, FIELD(ra_eg), false, L"RadioButton8", L"Female Voice", kVoice),
    radio(A, FIELD(ra_ni), true, L"RadioButton9", L"Male Voice", kVoice),
    radio(A, FIELD(ra_to), false, L"RadioButton10", L"Shutdown", kAction),
    radio(A, FIELD(ra_lo), false, L"RadioButton11", L"Log OFF", kAction),
    text(A, SettingControl::Edit, FIELD(ed_mi), L"3", L"Edit1", L"minutes until power-off"),
    listChoice(A, FIELD(co_go), 0, L"ComboBox3", L"hour of the exact power-off time", 24),
    listChoice(A, FIELD(co_mi), 0, L"ComboBox4", L"minute of the exact power-off time", 60),
    position(A, SettingControl::UpDown, FIELD(up_mi), 3, L"UpDown1", L"minutes until power-off",
             {0, 1440, OutOfRange::Clamp}),
    colourBox(A, FIELD(col_tt), kFuchsia, L"ColorBox10", L"Time to Turn OFF"),
    colourBox(A, FIELD(col_tw), kYellow, L"ColorBox12", L"System Work Time"),
    checkBox(A, FIELD(chk_st), false, L"CheckBox12", L"Show Time in Clock ", L"System Work Time"),
    colourBox(A, FIELD(col_ft), kYellow, L"ColorBox14", L"Countdown to the Date"),
    picker(A, SettingType::Date, FIELD(dtp_da), kCountdownDate, L"DateTimePicker1", L"countdown target date"),
    picker(A, SettingType::Time, FIELD(dtp_ti), kCountdownTime, L"DateTimePicker2", L"countdown target time"),
    checkBox(A, FIELD(chk_ct), false, L"CheckBox14", L"Show Countdown Time in the Clock  [ days  h:min:sec ]"),
    checkBox(A, FIELD(chc_co), false, L"CheckBox15", kFront, L"countdown"),
    checkBox(A, FIELD(chc_sw), false, L"CheckBox16", kFront, L"system work time"),
    checkBox(A, FIELD(chc_to), false, L"CheckBox17", kFront, L"power-off time"),
    checkBox(A, FIELD(chc_dw), false, L"CheckBox18", kFront, L"day of the week"),
    checkBox(A, FIELD(chc_dc), false, L"CheckBox19", kFront, L"date"),
    text(A, kFontName, FIELD(com_fo), L"Font", L"ComboBox5", L"Font Type"),
    listChoice(A, FIELD(com_si), -1, L"ComboBox6", L"face font size", 5),
    listChoice(A, FIELD(com_st), -1, L"ComboBox7", L"face font style", 4),
    checkBox(A, FIELD(chk_tr), false, L"CheckBox20", L"Set Transparency"),
    position(A, kScrollBar, FIELD(scr_tr), 255, L"ScrollBar3", L"transparency", {0, 255, OutOfRange::Clamp}),
    checkBox(A, FIELD(st_to), false, L"CheckBox21", L"Set Clock Window on Top"),
    radio(A, FIELD(se_sto), true, L"RadioButton12", L"1", kSeconds),
    radio(A, FIELD(se_stw), false, L"RadioButton13", L"3", kSeconds),
    radio(A, FIELD(se_sko), false, L"RadioButton14", L"5", kSeconds),
    radio(A, FIELD(se_skw), false, L"RadioButton15", L"7", kSeconds),
    checkBox(A, FIELD(sek_of), false, L"CheckBox22", L"OFF", L"Seconds"),
    checkBox(A, FIELD(cfr_of), false, L"CheckBox23", L"OFF", L"Clock Frame,  Background,  Digits"),
    checkBox(A, FIELD(cal_of), false, L"CheckBox24", L"All Hands OFF"),
    checkBox(A, FIELD(cti_of), true, L"CheckBox25", L"OFF", L"Digital Time"),
    checkBox(A, FIELD(cti_fr), false, L"CheckBox26", kFront, L"Digital Time"),
    colourBox(A, FIELD(col_ti), kYellow, L"ColorBox6", L"Digital Time: Time Color"),
    radio(A, FIELD(ra_h1), true, L"RadioButton16", L"1", kSound),
    radio(A, FIELD(ra_h2), false, L"RadioButton17", L"2", kSound),
    radio(A, FIELD(ra_h3), false, L"RadioButton18", L"3", kSound),
    radio(A, FIELD(ra_h4), false, L"RadioButton19", L"4", kSound),
    radio(A, FIELD(ra_h5), false, L"RadioButton20", L"5", kSound),
    radio(A, FIELD(ra_h6), false, L"RadioButton21", L"OFF", kSound),
    radio(A, FIELD(ra_h7), true, L"RadioButton22", L"1", kEffect),
    radio(A, FIELD(ra_h8), false, L"RadioButton23", L"2", kEffect),
    radio(A, FIELD(ra_h9), false, L"RadioButton24", L"3", kEffect),
    radio(A, FIELD(ra_h10), false, L"RadioButton25", L"4", kEffect),
    radio(A, FIELD(ra_h11), false, L"RadioButton26", L"5", kEffect),
    radio(A, FIELD(ra_h12), false, L"RadioButton27", L"OFF", kEffect),
    radio(A, FIELD(rs_hma), false, L"RadioButton28", L"15min", kRss),
    radio(A, FIELD(rs_hmb), false, L"RadioButton29", L"30min", kRss),
    radio(A, FIELD(rs_hmc), false, L"RadioButton30", L"1h", kRss),
    radio(A, FIELD(rs_hmd), false, L"RadioButton31", L"2h", kRss),
    radio(A, FIELD(rs_hme), false, L"RadioButton32", L"4h", kRss),
    radio(A, FIELD(rs_hmf), true, L"RadioButton33", L"OFF", kRss),

    // ---- Group B ----
    radio(B, FIELD(dt_ta), true, L"RadioButton57", L"Long Month Name", kMonth),
    radio(B, FIELD(dt_tb), false, L"RadioButton58", L"Short Month Name", kMonth),
    checkBox(B, FIELD(chk_dff), false, L"CheckBox4", L"Short Date", L"Date"),
    radio(B, FIELD(se_sin), false, L"RadioButton38", L"6", kSound),
    radio(B, FIELD(se_sro), false, L"RadioButton39", L"6", kEffect),
    radio(B, FIELD(se_sid), false, L"RadioButton40", L"7", kSound),
    radio(B, FIELD(se_sre), false, L"RadioButton41", L"7", kEffect),
    radio(B, FIELD(se_sdd), false, L"RadioButton42", L"8", kSound),
    radio(B, FIELD(se_srr), false, L"RadioButton43", L"8", kEffect),
    radio(B, FIELD(ts_onn), true, L"RadioButton34", L"ON", kAmPm),
    radio(B, FIELD(ts_off), false, L"RadioButton35", L"OFF", kAmPm),
    radio(B, FIELD(se_smn), false, L"RadioButton36", L"2", kSeconds),
    radio(B, FIELD(se_smo), false, L"RadioButton37", L"6", kSeconds),
    radio(B, FIELD(se_sxa), false, L"RadioButton51", L"9", kSeconds),
    radio(B, FIELD(se_sxb), false, L"RadioButton52", L"10", kSeconds),
    radio(B, FIELD(se_sxc), false, L"RadioButton53", L"11", kSeconds),
    radio(B, FIELD(se_sxd), false, L"RadioButton54", L"12", kSeconds),
    radio(B, FIELD(se_sxe), false, L"RadioButton55", L"4", kSeconds),
    radio(B, FIELD(se_sxf), false, L"RadioButton56", L"8", kSeconds),
    checkBox(B, FIELD(chk_dam), false, L"CheckBox28", L"AM/PM OFF", L"Digital Time"),
    checkBox(B, FIELD(chk_sec), false, L"CheckBox29", L"Sec OFF", L"Digital Time"),
    checkBox(B, FIELD(chk_alr), false, L"CheckBox31", L"Play Sound ->", kPowerOff),
    radio(B, FIELD(se_2fh), true, L"RadioButton44", L" 12 h Format", kFormat),
    radio(B, FIELD(se_4fh), false, L"RadioButton45", L"24 h Format", kFormat),
    radio(B, FIELD(se_uyw), false, L"RadioButton46", L"9", kSound),
    radio(B, FIELD(se_zcv), false, L"RadioButton47", L"9", kEffect),
    radio(B, FIELD(se_ptw), false, L"RadioButton48", L"10", kEffect),
    radio(B, FIELD(se_axv), false, L"RadioButton49", L"10", kSound),
    radio(B, FIELD(ie_utv), false, L"RadioButton50", L"Hibernation", kAction),
    checkBox(B, FIELD(ses_st), true, L"CheckBox30", L"Start with System", L"Clock Start-up Position"),
    checkBox(B, FIELD(ms_pfr), false, L"CheckBox33", L"Force Shutdown", kPowerOff),
    radio(B, FIELD(se_axa), true, L"RadioButton59", L"1", kWarning),
    radio(B, FIELD(se_bxb), false, L"RadioButton60", L"2", kWarning),
    radio(B, FIELD(se_cxc), false, L"RadioButton61", L"3", kWarning),
    radio(B, FIELD(se_dxd), false, L"RadioButton62", L"11", kSound),
    radio(B, FIELD(se_exe), false, L"RadioButton63", L"11", kEffect),
    radio(B, FIELD(se_oes), false, L"RadioButton64", L"12", kSound),
    radio(B, FIELD(se_oev), false, L"RadioButton65", L"12", kEffect),

    // ---- RSS ticker group ----
    listChoice(Ticker, FIELD(cor_ch), -1, L"ComboBox8", L"Select RSS Channel", 0),
    text(Ticker, kFontName, FIELD(cor_fo), L"Arial", L"ComboBox9", L"ticker font name"),
    listChoice(Ticker, FIELD(cor_st), 0, L"ComboBox10", L"ticker font style", 4),
    listChoice(Ticker, FIELD(cor_si), 2, L"ComboBox11", L"ticker font size", 5),
    position(Ticker, kScrollBar, FIELD(por_po), 0, L"ScrollBar4", L"ticker window position"),
    position(Ticker, kScrollBar, FIELD(por_st), 30, L"ScrollBar5", L"scrolling step", {2, 60, OutOfRange::Clamp}),
    position(Ticker, kScrollBar, FIELD(por_sp), 150, L"ScrollBar6", L"scrolling speed", {1, 1000, OutOfRange::Clamp}),
};

#undef FIELD

constexpr std::wstring_view kSaveOrder[] = {
    L"col_bg",  L"col_se",  L"col_fo",  L"col_dw", L"col_dy", L"chk_dw", L"chk_ds", L"chk_dy", L"chk_dff", L"co_fr",
    L"nrm_st",  L"co_ha",   L"col_bl",  L"chk_sh", L"chk_le", L"po_po",  L"po_pi",  L"chk_df", L"col_ha",  L"ra_on",
    L"ra_tw",   L"ra_th",   L"ra_fo",   L"ra_fi",  L"ra_si",  L"ra_se",  L"ra_eg",  L"ra_ni",  L"ra_to",   L"ra_lo",
    L"ed_mi",   L"co_go",   L"co_mi",   L"up_mi",  L"col_tt", L"chk_st", L"col_tw", L"dtp_da", L"dtp_ti",  L"chk_ct",
    L"col_ft",  L"chc_co",  L"chc_sw",  L"chc_to", L"chc_dw", L"chc_dc", L"com_fo", L"com_si", L"com_st",  L"scr_tr",
    L"chk_tr",  L"st_to",   L"se_sto",  L"se_stw", L"se_sko", L"se_skw", L"se_smn", L"se_smo", L"sek_of",  L"cfr_of",
    L"cal_of",  L"cti_of",  L"cti_fr",  L"col_ti", L"ra_h1",  L"ra_h2",  L"ra_h3",  L"ra_h4",  L"ra_h5",   L"ra_h6",
    L"ra_h7",   L"ra_h8",   L"ra_h9",   L"ra_h10", L"ra_h11", L"ra_h12", L"cor_ch", L"cor_fo", L"cor_st",  L"cor_si",
    L"por_po",  L"por_st",  L"por_sp",  L"rs_hma", L"rs_hmb", L"rs_hmc", L"rs_hmd", L"rs_hme", L"rs_hmf",  L"ts_onn",
    L"ts_off",  L"se_sin",  L"se_sro",  L"se_sid", L"se_sre", L"se_sdd", L"se_srr", L"se_2fh", L"se_4fh",  L"se_uyw",
    L"se_zcv",  L"se_ptw",  L"se_axv",  L"ie_utv", L"se_sxa", L"se_sxb", L"se_sxc", L"se_sxd", L"se_sxe",  L"se_sxf",
    L"chk_dam", L"chk_sec", L"chk_alr", L"dt_ta",  L"dt_tb",  L"ms_pfr", L"se_axa", L"se_bxb", L"se_cxc",  L"se_dxd",
    L"se_exe",  L"se_oes",  L"se_oev",
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

std::span<const std::wstring_view> saveOrder() { return kSaveOrder; }

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
  const std::wstring_view name = described.name;
  const int count = described.range.maximum + 1;
  if (name == L"nrm_st") {
    for (int n = 1; n <= count; ++n) items.push_back(L"Style " + std::to_wstring(n));
  } else if (name == L"co_fr" || name == L"co_ha") {
    items.resize(std::size_t(count));  // pictures, drawn from the sample strips
  } else if (name == L"co_go" || name == L"co_mi") {
    for (int n = 0; n < count; ++n) items.push_back(n <= 9 ? L"0" + std::to_wstring(n) : std::to_wstring(n));
  } else if (name == L"com_si") {
    numbers(8, 12, 1);
  } else if (name == L"cor_si") {
    numbers(10, 18, 2);
  } else if (name == L"com_st" || name == L"cor_st") {
    items = {L"Normal", L"Italic", L"Bold", L"Italic Bold"};
  }
  return items;
}

}  // namespace tikora
