// The settings table against a hand-written copy: names, groups, load and save order, types,
// defaults, controls and radio groups; and the record built from it.
#include "app/settings_schema.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "app/settings.h"
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
  EXPECT_EQ(saved, all) << "every value but ses_st, each once";
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
  EXPECT_EQ(selectedRadioButton(defaults, kRadioVoiceRepeat), L"ra_si");
  EXPECT_EQ(selectedRadioButton(defaults, kRadioVoiceType), L"ra_ni");
  EXPECT_EQ(selectedRadioButton(defaults, kRadioPowerOffAction), L"") << "no action chosen";
  EXPECT_EQ(selectedRadioButton(defaults, kRadioPowerOffWarning), L"se_axa");
  EXPECT_EQ(selectedRadioButton(defaults, kRadioSecondsStyle), L"se_sto");
  EXPECT_EQ(selectedRadioButton(defaults, kRadioHourSound), L"ra_h1");
  EXPECT_EQ(selectedRadioButton(defaults, kRadioHourEffect), L"ra_h7");
  EXPECT_EQ(selectedRadioButton(defaults, kRadioRssSchedule), L"rs_hmf");
  EXPECT_EQ(selectedRadioButton(defaults, kRadioMonthName), L"dt_ta");
  EXPECT_EQ(selectedRadioButton(defaults, kRadioAmPm), L"ts_onn");
  EXPECT_EQ(selectedRadioButton(defaults, kRadioHourFormat), L"se_2fh");
}

TEST(SettingsRecordTest, StartsAtTheDefaultsFieldByField) {
  const Settings s;
  EXPECT_EQ(s.col_bg, 0x000000u);
  EXPECT_EQ(s.col_ha, 0x000080u);
  EXPECT_TRUE(s.chk_dw);
  EXPECT_EQ(s.co_fr, 6);
  EXPECT_EQ(s.nrm_st, -1);
  EXPECT_EQ(s.ed_mi, L"3");
  EXPECT_EQ(s.up_mi, 3);
  EXPECT_EQ(s.dtp_da.serial(), 40885.0);
  EXPECT_EQ(s.dtp_ti.serial(), 0.625);
  EXPECT_EQ(s.com_fo, L"Font");
  EXPECT_EQ(s.com_si, -1);
  EXPECT_EQ(s.com_st, -1);
  EXPECT_EQ(s.scr_tr, 255);
  EXPECT_TRUE(s.ses_st);
  EXPECT_TRUE(s.se_sto);
  EXPECT_FALSE(s.se_sxa);
  EXPECT_EQ(s.cor_ch, -1);
  EXPECT_EQ(s.cor_fo, L"Arial");
  EXPECT_EQ(s.cor_si, 2);
  EXPECT_EQ(s.por_st, 30);
  EXPECT_EQ(s.por_sp, 150);
}

TEST(SettingsRecordTest, ValuesOnlyGoIntoFieldsOfTheirKind) {
  Settings s;
  const SettingSpec& colour = *findSetting(L"col_fo");
  EXPECT_TRUE(setValue(s, colour, Colour{0x02FEFFFF}));
  EXPECT_EQ(s.col_fo, 0x02FEFFFFu);
  EXPECT_FALSE(setValue(s, colour, std::int32_t{5})) << "an Integer is no Colour";
  EXPECT_FALSE(setValue(s, *findSetting(L"chk_tr"), std::int32_t{1}));
  EXPECT_FALSE(s.chk_tr);
  EXPECT_FALSE(setValue(s, *findSetting(L"com_fo"), true));
  EXPECT_EQ(valueOf(s, colour), SettingValue(Colour{0x02FEFFFF}));
}

TEST(SettingsRecordTest, SelectingARadioButtonClearsTheRestOfItsGroupOnly) {
  Settings s;
  EXPECT_TRUE(selectRadioButton(s, L"se_sxc"));
  EXPECT_TRUE(s.se_sxc);
  EXPECT_FALSE(s.se_sto);
  EXPECT_EQ(selectedRadioButton(s, kRadioSecondsStyle), L"se_sxc");
  EXPECT_TRUE(s.ra_si) << "other groups keep their choice";
  EXPECT_TRUE(s.ts_onn);

  EXPECT_TRUE(selectRadioButton(s, L"ie_utv"));
  EXPECT_TRUE(selectRadioButton(s, L"ra_lo"));
  EXPECT_FALSE(s.ie_utv);
  EXPECT_TRUE(s.ra_lo);

  EXPECT_FALSE(selectRadioButton(s, L"chk_dw")) << "a check box is no radio button";
  EXPECT_FALSE(selectRadioButton(s, L"nothing"));
  EXPECT_TRUE(s.chk_dw);
  EXPECT_EQ(selectedRadioButton(s, L""), L"");
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
