// The settings table against a hand-written copy: names, groups, load and save order, types,
// defaults, controls and radio groups; and the record built from it.
#include "clock/settings_schema.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "clock/settings.h"
#include "tests/unit/settings_reference.h"

namespace tikora {
namespace {

std::vector<std::wstring> names(std::span<const SettingSpec> specs) {
  std::vector<std::wstring> out;
  for (const auto& s : specs) out.emplace_back(s.name);
  return out;
}

reference::Group groupOf(SettingGroup g) {
  switch (g) {
    case SettingGroup::A: return reference::Group::A;
    case SettingGroup::B: return reference::Group::B;
    case SettingGroup::Ticker: return reference::Group::Ticker;
  }
  return reference::Group::A;
}

// The registry form a default takes, worked out here from the type alone.
RegistryValue storedForm(const SettingSpec& described, const SettingValue& v) {
  switch (described.type) {
    case SettingType::Integer: return RegistryValue::ofDword(static_cast<std::uint32_t>(std::get<std::int32_t>(v)));
    case SettingType::Bool: return RegistryValue::ofDword(std::get<bool>(v) ? 1 : 0);
    case SettingType::Colour: return RegistryValue::ofDword(std::get<Colour>(v));
    case SettingType::String: return RegistryValue::ofString(std::get<std::wstring>(v));
    case SettingType::Date:
    case SettingType::Time: {
      const double serial = std::get<DateTime>(v).serial();
      std::vector<std::uint8_t> bytes(8);
      std::memcpy(bytes.data(), &serial, 8);
      return RegistryValue::ofBinary(bytes);
    }
  }
  return {};
}

TEST(SettingsSchemaTest, ListsEveryValueInLoadOrderWithItsGroup) {
  const auto expected = reference::firstRunSettings();
  const auto schema = settingsSchema();
  ASSERT_EQ(schema.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(schema[i].name, expected[i].name) << "position " << i;
    EXPECT_EQ(groupOf(schema[i].group), expected[i].group) << expected[i].name;
  }
  EXPECT_EQ(names(settingsGroup(SettingGroup::A)), reference::namesOf(reference::Group::A));
  EXPECT_EQ(names(settingsGroup(SettingGroup::B)), reference::namesOf(reference::Group::B));
  EXPECT_EQ(names(settingsGroup(SettingGroup::Ticker)),
            (std::vector<std::wstring>{L"cor_ch", L"cor_fo", L"cor_st", L"cor_si", L"por_po", L"por_st", L"por_sp"}));
}

TEST(SettingsSchemaTest, DefaultsHaveTheStoredTypesAndValuesOfTheTable) {
  // The ticker font defaults are the first-run values ("Arial", "Normal", "14").
  const Settings fresh;
  for (const auto& expected : reference::firstRunSettings()) {
    const SettingSpec* described = findSetting(expected.name);
    ASSERT_NE(described, nullptr) << expected.name;
    EXPECT_EQ(storedForm(*described, defaultValueOf(*described)), expected.value) << expected.name;
    EXPECT_EQ(valueOf(fresh, *described), defaultValueOf(*described)) << "a new record holds it";
  }
  EXPECT_EQ(findSetting(L"COL_BG"), nullptr) << "the table's own spelling only";
  EXPECT_EQ(findSetting(L"lista_n"), nullptr);
}

TEST(SettingsSchemaTest, SaveOrderIsTheCloseActionsOrderAndLeavesOutStartWithSystem) {
  const auto order = saveOrder();
  const std::vector<std::wstring> actual(order.begin(), order.end());
  EXPECT_EQ(actual, reference::saveOrder());

  std::multiset<std::wstring> saved(actual.begin(), actual.end());
  std::multiset<std::wstring> all;
  for (const auto& s : settingsSchema())
    if (s.name != L"ses_st") all.emplace(s.name);
  EXPECT_EQ(saved, all) << "every value but startWithSystem's, each once";
}

TEST(SettingsSchemaTest, EachValueHasItsOwnFieldAndControl) {
  const auto schema = settingsSchema();
  std::set<std::wstring_view> components;
  for (std::size_t i = 0; i < schema.size(); ++i) {
    EXPECT_TRUE(components.insert(schema[i].component).second) << std::wstring(schema[i].component);
    for (std::size_t j = i + 1; j < schema.size(); ++j)
      EXPECT_FALSE(schema[i].field == schema[j].field)
          << std::wstring(schema[i].name) << " " << std::wstring(schema[j].name);
  }
  const auto check = [](const wchar_t* name, SettingControl kind, const wchar_t* component, const wchar_t* caption) {
    const SettingSpec* s = findSetting(name);
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(s->control, kind) << name;
    EXPECT_EQ(s->component, component) << name;
    EXPECT_EQ(s->caption, caption) << name;
  };
  check(L"col_bg", SettingControl::ColorBox, L"ColorBox1", L"");
  check(L"col_ft", SettingControl::ColorBox, L"ColorBox14", L"");
  check(L"nrm_st", SettingControl::ListChoice, L"ComboBox12", L"");
  check(L"com_fo", SettingControl::FontName, L"ComboBox5", L"");
  check(L"cor_fo", SettingControl::FontName, L"ComboBox9", L"");
  check(L"ed_mi", SettingControl::Edit, L"Edit1", L"");
  check(L"up_mi", SettingControl::UpDown, L"UpDown1", L"");
  check(L"scr_tr", SettingControl::ScrollBar, L"ScrollBar3", L"");
  check(L"por_sp", SettingControl::ScrollBar, L"ScrollBar6", L"");
  check(L"dtp_ti", SettingControl::DatePicker, L"DateTimePicker2", L"");
  check(L"chk_st", SettingControl::CheckBox, L"CheckBox12", L"Show Time in Clock ");
  check(L"chk_ct", SettingControl::CheckBox, L"CheckBox14", L"Show Countdown Time in the Clock  [ days  h:min:sec ]");
  check(L"ses_st", SettingControl::CheckBox, L"CheckBox30", L"Start with System");
  check(L"se_2fh", SettingControl::RadioButton, L"RadioButton44", L" 12 h Format");
  check(L"se_sxe", SettingControl::RadioButton, L"RadioButton55", L"4");
  check(L"ra_h12", SettingControl::RadioButton, L"RadioButton27", L"OFF");
  check(L"rs_hmc", SettingControl::RadioButton, L"RadioButton30", L"1h");
  EXPECT_EQ(findSetting(L"dtp_da")->type, SettingType::Date);
  EXPECT_EQ(findSetting(L"dtp_ti")->type, SettingType::Time);
}

TEST(SettingsSchemaTest, RadioGroupsHoldTheirButtonsAndOneDefault) {
  const std::vector<std::pair<std::wstring_view, std::vector<std::wstring>>> groups = {
      {kRadioVoiceRepeat, {L"ra_on", L"ra_tw", L"ra_th", L"ra_fo", L"ra_fi", L"ra_si", L"ra_se"}},
      {kRadioVoiceType, {L"ra_eg", L"ra_ni"}},
      {kRadioPowerOffAction, {L"ra_to", L"ra_lo", L"ie_utv"}},
      {kRadioPowerOffWarning, {L"se_axa", L"se_bxb", L"se_cxc"}},
      {kRadioSecondsStyle,
       {L"se_sto", L"se_stw", L"se_sko", L"se_skw", L"se_smn", L"se_smo", L"se_sxa", L"se_sxb", L"se_sxc", L"se_sxd",
        L"se_sxe", L"se_sxf"}},
      {kRadioHourSound,
       {L"ra_h1", L"ra_h2", L"ra_h3", L"ra_h4", L"ra_h5", L"ra_h6", L"se_sin", L"se_sid", L"se_sdd", L"se_uyw",
        L"se_axv", L"se_dxd", L"se_oes"}},
      {kRadioHourEffect,
       {L"ra_h7", L"ra_h8", L"ra_h9", L"ra_h10", L"ra_h11", L"ra_h12", L"se_sro", L"se_sre", L"se_srr", L"se_zcv",
        L"se_ptw", L"se_exe", L"se_oev"}},
      {kRadioRssSchedule, {L"rs_hma", L"rs_hmb", L"rs_hmc", L"rs_hmd", L"rs_hme", L"rs_hmf"}},
      {kRadioMonthName, {L"dt_ta", L"dt_tb"}},
      {kRadioAmPm, {L"ts_onn", L"ts_off"}},
      {kRadioHourFormat, {L"se_2fh", L"se_4fh"}},
  };
  std::size_t buttons = 0;
  for (const auto& s : settingsSchema()) buttons += s.control == SettingControl::RadioButton;
  std::size_t listed = 0;
  for (const auto& [group, members] : groups) {
    std::vector<std::wstring> actual;
    for (const auto& s : settingsSchema())
      if (s.radioGroup == group) actual.emplace_back(s.name);
    EXPECT_EQ(actual, members) << std::wstring(group);
    listed += members.size();
  }
  EXPECT_EQ(buttons, listed) << "every radio button is in one of the groups";

  const Settings defaults;
  EXPECT_EQ(selectedRadioButton(defaults, kRadioVoiceRepeat), &Settings::voiceEvery60Minutes);
  EXPECT_EQ(selectedRadioButton(defaults, kRadioVoiceType), &Settings::maleVoice);
  EXPECT_EQ(selectedRadioButton(defaults, kRadioPowerOffAction), nullptr) << "no action chosen";
  EXPECT_EQ(selectedRadioButton(defaults, kRadioPowerOffWarning), &Settings::warningSound1);
  EXPECT_EQ(selectedRadioButton(defaults, kRadioSecondsStyle), &Settings::secondsStyle1);
  EXPECT_EQ(selectedRadioButton(defaults, kRadioHourSound), &Settings::hourSound1);
  EXPECT_EQ(selectedRadioButton(defaults, kRadioHourEffect), &Settings::hourEffect1);
  EXPECT_EQ(selectedRadioButton(defaults, kRadioRssSchedule), &Settings::rssScheduleOff);
  EXPECT_EQ(selectedRadioButton(defaults, kRadioMonthName), &Settings::longMonthName);
  EXPECT_EQ(selectedRadioButton(defaults, kRadioAmPm), &Settings::amPmOn);
  EXPECT_EQ(selectedRadioButton(defaults, kRadioHourFormat), &Settings::twelveHourFormat);
}

TEST(SettingsRecordTest, StartsAtTheDefaultsFieldByField) {
  const Settings s;
  EXPECT_EQ(s.backgroundColour, 0x000000u);
  EXPECT_EQ(s.handColour, 0x000080u);
  EXPECT_TRUE(s.weekdayOff);
  EXPECT_EQ(s.frameColourRule, 6);
  EXPECT_EQ(s.frameStyle, -1);
  EXPECT_EQ(s.powerOffMinutesText, L"3");
  EXPECT_EQ(s.powerOffMinutes, 3);
  EXPECT_EQ(s.countdownDate.serial(), 40885.0);
  EXPECT_EQ(s.countdownTime.serial(), 0.625);
  EXPECT_EQ(s.faceFontName, L"Font");
  EXPECT_EQ(s.faceFontSize, -1);
  EXPECT_EQ(s.faceFontStyle, -1);
  EXPECT_EQ(s.transparency, 255);
  EXPECT_TRUE(s.startWithSystem);
  EXPECT_TRUE(s.secondsStyle1);
  EXPECT_FALSE(s.secondsStyle9);
  EXPECT_EQ(s.rssChannel, -1);
  EXPECT_EQ(s.tickerFontName, L"Arial");
  EXPECT_EQ(s.tickerFontSize, 2);
  EXPECT_EQ(s.tickerStep, 30);
  EXPECT_EQ(s.tickerInterval, 150);
}

TEST(SettingsRecordTest, ValuesOnlyGoIntoFieldsOfTheirKind) {
  Settings s;
  const SettingSpec& colour = settingOf(&Settings::digitColour);
  EXPECT_TRUE(setValue(s, colour, Colour{0x02FEFFFF}));
  EXPECT_EQ(s.digitColour, 0x02FEFFFFu);
  EXPECT_FALSE(setValue(s, colour, std::int32_t{5})) << "an Integer is no Colour";
  EXPECT_FALSE(setValue(s, settingOf(&Settings::transparencyOn), std::int32_t{1}));
  EXPECT_FALSE(s.transparencyOn);
  EXPECT_FALSE(setValue(s, settingOf(&Settings::faceFontName), true));
  EXPECT_EQ(valueOf(s, colour), SettingValue(Colour{0x02FEFFFF}));
}

TEST(SettingsRecordTest, SelectingARadioButtonClearsTheRestOfItsGroupOnly) {
  Settings s;
  EXPECT_TRUE(selectRadioButton(s, &Settings::secondsStyle11));
  EXPECT_TRUE(s.secondsStyle11);
  EXPECT_FALSE(s.secondsStyle1);
  EXPECT_EQ(selectedRadioButton(s, kRadioSecondsStyle), &Settings::secondsStyle11);
  EXPECT_TRUE(s.voiceEvery60Minutes) << "other groups keep their choice";
  EXPECT_TRUE(s.amPmOn);

  EXPECT_TRUE(selectRadioButton(s, &Settings::powerOffHibernate));
  EXPECT_TRUE(selectRadioButton(s, &Settings::powerOffLogOff));
  EXPECT_FALSE(s.powerOffHibernate);
  EXPECT_TRUE(s.powerOffLogOff);

  EXPECT_FALSE(selectRadioButton(s, &Settings::weekdayOff)) << "a check box is no radio button";
  EXPECT_TRUE(s.weekdayOff);
  EXPECT_EQ(selectedRadioButton(s, L""), nullptr);
}

TEST(SettingsSchemaTest, IntegersAreFittedToWhatTheirControlCanShow) {
  const auto fit = [](const wchar_t* name, std::int32_t v) { return fitToRange(*findSetting(name), v); };
  EXPECT_EQ(fit(L"scr_tr", 300), 255);
  EXPECT_EQ(fit(L"scr_tr", -4), 0);
  EXPECT_EQ(fit(L"scr_tr", 128), 128);
  EXPECT_EQ(fit(L"up_mi", 70000), 1440);
  EXPECT_EQ(fit(L"por_st", 1), 2);
  EXPECT_EQ(fit(L"por_sp", 0), 1);
  EXPECT_EQ(fit(L"por_sp", 5000), 1000);
  EXPECT_EQ(fit(L"co_ha", 17), 17);
  EXPECT_EQ(fit(L"co_ha", 18), -1) << "no such list item: no choice";
  EXPECT_EQ(fit(L"nrm_st", 39), 39);
  EXPECT_EQ(fit(L"nrm_st", -7), -1);
  EXPECT_EQ(fit(L"co_fr", 19), -1);
  EXPECT_EQ(fit(L"cor_si", 4), 4);
  EXPECT_EQ(fit(L"cor_si", 5), -1);
  // Ranges set while the program runs (screen size, channel count) are the control's business.
  EXPECT_EQ(fit(L"po_po", 99999), 99999);
  EXPECT_EQ(fit(L"por_po", -3), -3);
  EXPECT_EQ(fit(L"cor_ch", 250), 250);
}

}  // namespace
}  // namespace tikora
