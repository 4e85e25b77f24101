// The settings store against the in-memory registry: the first-run write, loading group A and B
// with their stopping rules, radio groups and the control actions loading sets off, the save in
// its fixed order with failures, the start-with-Windows entry, and the ticker group.
#include "clock/settings_store.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "platform/fake/fake_registry.h"
#include "tests/unit/settings_reference.h"

namespace tikora {
namespace {

const std::wstring kKey = L"Tikora";
const std::wstring kRun = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
const std::wstring kProgram = L"C:\\Program Files\\Tikora\\Tikora.exe";

std::vector<std::uint8_t> doubleBytes(double v) {
  std::vector<std::uint8_t> b(8);
  std::memcpy(b.data(), &v, 8);
  return b;
}

std::wstring describe(const SettingEvent& e) {
  return std::wstring(e.setting->name) + (e.action == SettingAction::Click ? L":Click" : L":Change");
}

std::vector<std::wstring> describe(const std::vector<SettingEvent>& events) {
  std::vector<std::wstring> out;
  for (const auto& e : events) out.push_back(describe(e));
  return out;
}

std::vector<std::wstring> asStrings(const std::vector<std::wstring_view>& names) {
  return {names.begin(), names.end()};
}

class SettingsStoreTest : public ::testing::Test {
 protected:
  // The key as the first run leaves it, for the groups asked for, without logging.
  void storeReference(bool a, bool b, bool ticker) {
    reg.addKey(kKey);
    for (const auto& s : reference::firstRunSettings()) {
      const bool wanted = s.group == reference::Group::A ? a : s.group == reference::Group::B ? b : ticker;
      if (wanted) reg.set(kKey, s.name, s.value);
    }
  }
  std::vector<std::wstring> names(reference::Group g) { return reference::namesOf(g); }

  FakeRegistry reg;
  SettingsStore store{reg, kProgram};
  Settings settings;
  const Settings defaults;
};

// ---- First run ----

TEST_F(SettingsStoreTest, FirstRunWritesEveryValueOfTheTableAndTheStartEntry) {
  reg.addKey(kRun);
  const SettingsLoadReport report = store.load(settings);

  EXPECT_TRUE(report.firstRun);
  EXPECT_TRUE(report.firstRunStatus.ok());
  EXPECT_TRUE(report.loaded.empty());
  EXPECT_TRUE(report.events.empty());
  std::vector<std::wstring> all;
  for (const auto& s : reference::firstRunSettings()) {
    all.push_back(s.name);
    EXPECT_EQ(reg.value(kKey, s.name), s.value) << s.name;
  }
  EXPECT_EQ(reg.valueNamesOf(kKey), all) << "nothing more, in table order";
  EXPECT_EQ(reg.value(kRun, L"Tikora"), RegistryValue::ofString(kProgram));
  EXPECT_EQ(reg.changes().front(), (RegistryChange{RegistryChangeKind::CreateKey, kKey, {}, {}}));
  // The last two writes are the start-with-Windows action's.
  const auto written = reg.writtenNames();
  ASSERT_GE(written.size(), 2u);
  EXPECT_EQ(written[written.size() - 2], L"Tikora");
  EXPECT_EQ(written.back(), L"ses_st");
  EXPECT_EQ(reg.openKeyCount(), 0);
  EXPECT_EQ(settings.tickerFontName, L"Arial");
  EXPECT_EQ(settings.tickerFontSize, 2);

  // The next start reads it all back and changes no control.
  Settings next;
  const SettingsLoadReport again = store.load(next);
  EXPECT_FALSE(again.firstRun);
  std::vector<std::wstring> groupsAB = names(reference::Group::A);
  for (const auto& n : names(reference::Group::B)) groupsAB.push_back(n);
  EXPECT_EQ(asStrings(again.loaded), groupsAB);
  EXPECT_TRUE(again.stoppedAt.empty());
  EXPECT_TRUE(again.events.empty());
}

TEST_F(SettingsStoreTest, FirstRunThatFailsPartWayKeepsWhatItWroteAndStillSetsUpTheStart) {
  reg.addKey(kRun);
  reg.failWriteAttempt(10);  // frameStyle
  const SettingsLoadReport report = store.load(settings);
  EXPECT_TRUE(report.firstRun);
  EXPECT_FALSE(report.firstRunStatus.ok());
  EXPECT_EQ(reg.valueNamesOf(kKey), (std::vector<std::wstring>{L"col_bg", L"col_se", L"col_fo", L"col_dw", L"col_dy",
                                                               L"chk_dw", L"chk_ds", L"chk_dy", L"co_fr", L"ses_st"}));
  EXPECT_EQ(reg.value(kRun, L"Tikora"), RegistryValue::ofString(kProgram));
  EXPECT_EQ(reg.openKeyCount(), 0);

  Settings next;
  const SettingsLoadReport again = store.load(next);
  EXPECT_FALSE(again.firstRun);
  EXPECT_EQ(again.loaded.size(), 9u);
  EXPECT_EQ(again.stoppedAt, L"nrm_st");
}

TEST_F(SettingsStoreTest, FirstRunWithoutAKeyToWriteLeavesTheSettingsAbsent) {
  reg.addKey(kRun);
  reg.failCreate(kKey);
  const SettingsLoadReport report = store.load(settings);
  EXPECT_FALSE(report.firstRunStatus.ok());
  EXPECT_FALSE(reg.hasKey(kKey)) << "the next start is a first run again";
  EXPECT_EQ(reg.writtenNames(), std::vector<std::wstring>{L"Tikora"});
}

// ---- Loading ----

TEST_F(SettingsStoreTest, GroupAWithoutGroupBLoadsGroupAAndLeavesGroupBAtDefaults) {
  storeReference(true, false, true);
  reg.setDword(kKey, L"col_bg", 0x00123456);
  reg.setDword(kKey, L"chk_dw", 0);
  reg.setDword(kKey, L"nrm_st", 12);
  reg.setString(kKey, L"com_fo", L"Tahoma");
  reg.setBinary(kKey, L"dtp_da", doubleBytes(44000.5));
  reg.setDword(kKey, L"rs_hmf", 0);
  settings.twelveHourFormat = false;  // a group B control changed before loading stays as it is

  const SettingsLoadReport report = store.load(settings);
  EXPECT_FALSE(report.firstRun);
  EXPECT_EQ(asStrings(report.loaded), names(reference::Group::A));
  EXPECT_EQ(report.stoppedAt, L"dt_ta");
  EXPECT_EQ(settings.backgroundColour, 0x00123456u);
  EXPECT_FALSE(settings.weekdayOff);
  EXPECT_EQ(settings.frameStyle, 12);
  EXPECT_EQ(settings.faceFontName, L"Tahoma");
  EXPECT_EQ(settings.countdownDate.serial(), 44000.5);
  EXPECT_FALSE(settings.rssScheduleOff);
  EXPECT_TRUE(settings.amPmOn);
  EXPECT_TRUE(settings.startWithSystem);
  EXPECT_FALSE(settings.twelveHourFormat);
  EXPECT_EQ(settings.tickerFontName, L"Arial") << "the ticker group is not the control panel's to load";
  EXPECT_EQ(reg.changes().size(), 0u);
  EXPECT_EQ(reg.openKeyCount(), 0);
}

TEST_F(SettingsStoreTest, AMissingValueStopsTheLoadThere) {
  storeReference(true, true, true);
  reg.setDword(kKey, L"col_bg", 0x111111);
  reg.setDword(kKey, L"col_se", 0x222222);
  reg.setDword(kKey, L"col_fo", 0x333333);
  reg.removeValue(kKey, L"col_dw");
  reg.setDword(kKey, L"col_dy", 0x555555);
  reg.setDword(kKey, L"chk_dw", 0);
  reg.setDword(kKey, L"ts_off", 1);

  const SettingsLoadReport report = store.load(settings);
  EXPECT_EQ(asStrings(report.loaded), (std::vector<std::wstring>{L"col_bg", L"col_se", L"col_fo"}));
  EXPECT_EQ(report.stoppedAt, L"col_dw");
  EXPECT_EQ(settings.digitColour, 0x333333u);
  EXPECT_EQ(settings.weekdayColour, defaults.weekdayColour);
  EXPECT_EQ(settings.dateColour, defaults.dateColour);
  EXPECT_TRUE(settings.weekdayOff);
  EXPECT_TRUE(settings.amPmOn);
  EXPECT_FALSE(settings.amPmOff);
}

TEST_F(SettingsStoreTest, ADateThatIsNotEightRawBytesStopsGroupA) {
  const std::vector<std::pair<const char*, RegistryValue>> broken = {
      {"string", RegistryValue::ofString(L"40885")},
      {"7 bytes", RegistryValue::ofBinary(std::vector<std::uint8_t>(7, 0))},
      {"9 bytes", RegistryValue::ofBinary(std::vector<std::uint8_t>(9, 0))},
      {"dword", RegistryValue::ofDword(40885)},
      {"not a number", RegistryValue::ofBinary(doubleBytes(std::nan("")))},
      {"beyond year 9999", RegistryValue::ofBinary(doubleBytes(3.0e6))},
  };
  for (const auto& [what, value] : broken) {
    SCOPED_TRACE(what);
    FakeRegistry r;
    SettingsStore s{r, kProgram};
    for (const auto& v : reference::firstRunSettings()) r.set(kKey, v.name, v.value);
    r.setDword(kKey, L"col_ft", 0x0000FF00);
    r.set(kKey, L"dtp_da", value);
    r.setBinary(kKey, L"dtp_ti", doubleBytes(0.25));
    r.setDword(kKey, L"chk_ct", 1);
    Settings loaded;
    const SettingsLoadReport report = s.load(loaded);
    EXPECT_EQ(report.stoppedAt, L"dtp_da");
    EXPECT_EQ(report.loaded.back(), L"col_ft");
    EXPECT_EQ(loaded.countdownColour, 0x0000FF00u);
    EXPECT_EQ(loaded.countdownDate.serial(), 40885.0);
    EXPECT_EQ(loaded.countdownTime.serial(), 0.625);
    EXPECT_FALSE(loaded.showCountdown);
  }
}

TEST_F(SettingsStoreTest, AValueOfAnotherTypeCountsAsMissing) {
  const std::vector<std::pair<const wchar_t*, RegistryValue>> wrong = {
      {L"co_fr", RegistryValue::ofString(L"6")},
      {L"chk_dw", RegistryValue::ofBinary({1, 0, 0, 0})},
      {L"col_fo", RegistryValue{RegistryValueType::Other, 0, {}, {0, 0, 0, 0, 0, 0, 0, 0}}},
      {L"ed_mi", RegistryValue::ofDword(3)},
      {L"se_sxa", RegistryValue::ofString(L"1")},
  };
  for (const auto& [name, value] : wrong) {
    SCOPED_TRACE(testing::Message() << std::string(name, name + std::wcslen(name)));
    FakeRegistry r;
    SettingsStore s{r, kProgram};
    for (const auto& v : reference::firstRunSettings()) r.set(kKey, v.name, v.value);
    r.set(kKey, name, value);
    Settings loaded;
    EXPECT_EQ(s.load(loaded).stoppedAt, name);
  }
}

TEST_F(SettingsStoreTest, StoredNumbersAreReadAsTheirControlsTakeThem) {
  storeReference(true, true, true);
  reg.setExpandString(kKey, L"ed_mi", L"%MINUTES%");
  reg.setDword(kKey, L"chk_ds", 7);          // any non-zero is ticked
  reg.setDword(kKey, L"co_ha", 0xFFFFFFFF);  // -1
  reg.setDword(kKey, L"co_fr", 19);          // no such item
  reg.setDword(kKey, L"up_mi", 70000);
  reg.setDword(kKey, L"scr_tr", 300);
  reg.setDword(kKey, L"col_fo", 0x02FEFFFF);  // near white keeps its high byte

  const SettingsLoadReport report = store.load(settings);
  EXPECT_TRUE(report.stoppedAt.empty());
  EXPECT_EQ(settings.powerOffMinutesText, L"%MINUTES%") << "used unexpanded";
  EXPECT_TRUE(settings.weekdayShortName);
  EXPECT_EQ(settings.handStyle, -1);
  EXPECT_EQ(settings.frameColourRule, -1);
  EXPECT_EQ(settings.powerOffMinutes, 1440);
  EXPECT_EQ(settings.transparency, 255);
  EXPECT_EQ(settings.digitColour, 0x02FEFFFFu);
  EXPECT_EQ(describe(report.events), std::vector<std::wstring>{L"chk_ds:Click"})
      << "a scroll bar fitted back to where it was has not moved";
}

TEST_F(SettingsStoreTest, RadioGroupsKeepTheLastTrueValueAndAllFalseSelectsNone) {
  storeReference(true, true, true);
  reg.setDword(kKey, L"ra_on", 1);
  reg.setDword(kKey, L"ra_th", 1);
  reg.setDword(kKey, L"ra_si", 0);
  reg.setDword(kKey, L"ra_ni", 0);   // voice type: both false
  reg.setDword(kKey, L"se_sto", 1);  // seconds style: group A and then group B
  reg.setDword(kKey, L"se_sxb", 1);
  reg.setDword(kKey, L"ra_h6", 1);  // hour sound: OFF in group A, "9" in group B
  reg.setDword(kKey, L"se_uyw", 1);

  const SettingsLoadReport report = store.load(settings);
  EXPECT_EQ(selectedRadioButton(settings, kRadioVoiceRepeat), &Settings::voiceEvery10Minutes);
  EXPECT_FALSE(settings.voiceEvery1Minute);
  EXPECT_EQ(selectedRadioButton(settings, kRadioVoiceType), nullptr);
  EXPECT_FALSE(settings.femaleVoice);
  EXPECT_EQ(selectedRadioButton(settings, kRadioSecondsStyle), &Settings::secondsStyle10);
  EXPECT_FALSE(settings.secondsStyle1);
  EXPECT_EQ(selectedRadioButton(settings, kRadioHourSound), &Settings::hourSound9);
  EXPECT_FALSE(settings.hourSound1);
  EXPECT_FALSE(settings.hourSoundOff);
  // A button clicks only when it becomes selected; secondsStyle1 already was.
  EXPECT_EQ(describe(report.events), (std::vector<std::wstring>{L"ra_on:Click", L"ra_th:Click", L"ra_h6:Click",
                                                                L"se_sxb:Click", L"se_uyw:Click"}));
}

TEST_F(SettingsStoreTest, ControlActionsRunAsEachValueIsLoaded) {
  storeReference(true, true, true);
  reg.setDword(kKey, L"col_bg", 0x00224466);  // colour box: no action
  reg.setDword(kKey, L"po_po", 100);
  reg.setDword(kKey, L"chk_tr", 1);
  reg.setDword(kKey, L"scr_tr", 128);
  reg.setDword(kKey, L"chk_dw", 1);  // unchanged: no click
  reg.setDword(kKey, L"co_ha", 5);   // list: no action
  reg.setDword(kKey, L"rs_hmc", 1);
  reg.setDword(kKey, L"rs_hmf", 0);  // just cleared
  reg.setDword(kKey, L"ses_st", 0);

  std::vector<std::wstring> seen;
  const SettingsLoadReport report = store.load(settings, [&](const SettingEvent& e) {
    // What the action finds in the record at that moment.
    seen.push_back(describe(e) + L" scr_tr=" + std::to_wstring(settings.transparency) + L" ses_st=" +
                   std::to_wstring(settings.startWithSystem));
  });
  EXPECT_EQ(seen, (std::vector<std::wstring>{L"po_po:Change scr_tr=255 ses_st=1", L"chk_tr:Click scr_tr=255 ses_st=1",
                                             L"scr_tr:Change scr_tr=128 ses_st=1", L"rs_hmc:Click scr_tr=128 ses_st=1",
                                             L"ses_st:Click scr_tr=128 ses_st=0"}));
  EXPECT_EQ(report.events.size(), seen.size());
  EXPECT_EQ(report.events[1].setting->component, L"CheckBox20");
}

TEST_F(SettingsStoreTest, AStoredStartWithSystemOffRemovesTheRunEntryAtEveryStart) {
  storeReference(true, true, true);
  reg.setDword(kKey, L"ses_st", 0);
  reg.setString(kRun, L"Tikora", L"D:\\elsewhere\\other.exe");
  const auto runAction = [&](const SettingEvent& e) {
    if (e.setting->name == L"ses_st") store.startWithSystem(settings.startWithSystem);
  };
  store.load(settings, runAction);
  EXPECT_FALSE(reg.value(kRun, L"Tikora").has_value());
  EXPECT_EQ(reg.value(kKey, L"ses_st"), RegistryValue::ofDword(0));

  // Stored on: no click, so an old path stays as it is.
  reg.setDword(kKey, L"ses_st", 1);
  reg.setString(kRun, L"Tikora", L"D:\\old\\Tikora.exe");
  reg.clearChanges();
  Settings next;
  const SettingsLoadReport report = store.load(next, runAction);
  EXPECT_TRUE(report.events.empty());
  EXPECT_EQ(reg.value(kRun, L"Tikora"), RegistryValue::ofString(L"D:\\old\\Tikora.exe"));
  EXPECT_TRUE(reg.changes().empty());
}

TEST_F(SettingsStoreTest, AKeyThatCannotBeOpenedLoadsNothingAndWritesNothing) {
  storeReference(true, true, true);
  reg.setDword(kKey, L"col_bg", 0x00123456);
  reg.failOpen(kKey);
  const SettingsLoadReport report = store.load(settings);
  EXPECT_FALSE(report.firstRun);
  EXPECT_TRUE(report.loaded.empty());
  EXPECT_EQ(settings.backgroundColour, defaults.backgroundColour);
  EXPECT_TRUE(reg.changes().empty());
}

// ---- Saving ----

TEST_F(SettingsStoreTest, SaveWritesExactlyTheSaveOrderAndNeverStartWithSystem) {
  storeReference(true, true, true);
  settings.startWithSystem = false;
  ASSERT_TRUE(store.save(settings).ok());
  EXPECT_EQ(reg.writtenNames(), reference::saveOrder());
  for (const auto& change : reg.changes()) EXPECT_EQ(change.key, kKey);
  EXPECT_EQ(reg.value(kKey, L"ses_st"), RegistryValue::ofDword(1));
  EXPECT_EQ(reg.openKeyCount(), 0);
}

TEST_F(SettingsStoreTest, SavedValuesHaveTheirTypesAndLoadBackUnchanged) {
  settings.digitColour = kNearWhite;
  settings.frameStyle = -1;
  settings.handStyle = 17;
  settings.transparencyOn = true;
  settings.transparency = 99;
  settings.powerOffMinutesText = L"45";
  settings.faceFontName = L"Times New Roman";
  settings.countdownDate = *DateTime::fromSerial(44000.0);
  settings.countdownTime = *DateTime::fromSerial(0.5);
  selectRadioButton(settings, &Settings::secondsStyle8);
  selectRadioButton(settings, &Settings::powerOffHibernate);
  settings.rssChannel = 3;
  settings.tickerInterval = 1000;
  ASSERT_TRUE(store.save(settings).ok());
  EXPECT_EQ(reg.changes().front().kind, RegistryChangeKind::CreateKey) << "created when missing";

  EXPECT_EQ(reg.value(kKey, L"nrm_st"), RegistryValue::ofDword(0xFFFFFFFF));
  EXPECT_EQ(reg.value(kKey, L"col_fo"), RegistryValue::ofDword(0x02FEFFFF));
  EXPECT_EQ(reg.value(kKey, L"chk_tr"), RegistryValue::ofDword(1));
  EXPECT_EQ(reg.value(kKey, L"se_sto"), RegistryValue::ofDword(0));
  EXPECT_EQ(reg.value(kKey, L"ed_mi"), RegistryValue::ofString(L"45"));
  EXPECT_EQ(reg.value(kKey, L"dtp_da"), RegistryValue::ofBinary(doubleBytes(44000.0)));
  EXPECT_EQ(reg.value(kKey, L"dtp_ti"), RegistryValue::ofBinary(doubleBytes(0.5)));

  reg.setDword(kKey, L"ses_st", 1);  // its own box writes it
  Settings loaded;
  store.load(loaded);
  store.loadTickerGroup(loaded);
  for (const auto& described : settingsSchema()) {
    if (described.name == L"ses_st") continue;
    EXPECT_EQ(valueOf(loaded, described), valueOf(settings, described)) << std::wstring(described.name);
  }
}

TEST_F(SettingsStoreTest, AWriteThatFailsEndsTheSaveAndKeepsTheValuesBeforeIt) {
  storeReference(true, true, true);
  settings.backgroundColour = 0x00010101;  // 1st
  settings.handColour = 0x00020202;        // 19th
  settings.voiceEvery1Minute = true;       // 20th: fails
  settings.powerOffMinutesText = L"9";     // 31st: never tried
  reg.failWriteAttempt(20);
  const Status status = store.save(settings);
  ASSERT_FALSE(status.ok());
  const auto order = reference::saveOrder();
  EXPECT_EQ(reg.writtenNames(), std::vector<std::wstring>(order.begin(), order.begin() + 19));
  EXPECT_EQ(reg.writeAttempts(), 20u);
  EXPECT_EQ(reg.value(kKey, L"col_bg"), RegistryValue::ofDword(0x00010101));
  EXPECT_EQ(reg.value(kKey, L"col_ha"), RegistryValue::ofDword(0x00020202));
  EXPECT_EQ(reg.value(kKey, L"ra_on"), RegistryValue::ofDword(0));
  EXPECT_EQ(reg.value(kKey, L"ed_mi"), RegistryValue::ofString(L"3"));
  EXPECT_EQ(reg.openKeyCount(), 0);

  reg.clearFaults();
  reg.clearChanges();
  reg.failCreate(kKey);
  EXPECT_FALSE(store.save(settings).ok());
  EXPECT_TRUE(reg.changes().empty());
}

// ---- Start with Windows ----

TEST_F(SettingsStoreTest, StartWithSystemWritesOrDeletesTheRunValueThenStoresTheBox) {
  storeReference(true, true, true);
  reg.addKey(kRun);
  auto report = store.startWithSystem(true);
  EXPECT_TRUE(report.runKeyOpened);
  EXPECT_TRUE(report.runValue.ok());
  EXPECT_TRUE(report.setting.ok());
  EXPECT_EQ(reg.changes(), (std::vector<RegistryChange>{
                               {RegistryChangeKind::SetValue, kRun, L"Tikora", RegistryValue::ofString(kProgram)},
                               {RegistryChangeKind::SetValue, kKey, L"ses_st", RegistryValue::ofDword(1)}}));

  reg.clearChanges();
  report = store.startWithSystem(false);
  EXPECT_TRUE(report.runValue.ok());
  EXPECT_EQ(reg.changes(),
            (std::vector<RegistryChange>{{RegistryChangeKind::DeleteValue, kRun, L"Tikora", {}},
                                         {RegistryChangeKind::SetValue, kKey, L"ses_st", RegistryValue::ofDword(0)}}));

  reg.clearChanges();
  report = store.startWithSystem(false);
  EXPECT_TRUE(report.runValue.ok()) << "no Run value to delete is no error";
  EXPECT_EQ(reg.writtenNames(), std::vector<std::wstring>{L"ses_st"});
  EXPECT_EQ(reg.openKeyCount(), 0);
}

TEST_F(SettingsStoreTest, StartWithSystemWritesNothingWithoutARunKeyAndCreatesNoKey) {
  storeReference(true, true, true);
  const auto report = store.startWithSystem(false);
  EXPECT_FALSE(report.runKeyOpened);
  EXPECT_TRUE(reg.changes().empty());
  EXPECT_FALSE(reg.hasKey(kRun));
  EXPECT_EQ(reg.value(kKey, L"ses_st"), RegistryValue::ofDword(1));

  FakeRegistry bare;
  bare.addKey(kRun);
  SettingsStore s{bare, kProgram};
  EXPECT_FALSE(s.startWithSystem(true).setting.ok());
  EXPECT_FALSE(bare.hasKey(kKey)) << "the settings key is never created here";
  EXPECT_EQ(bare.value(kRun, L"Tikora"), RegistryValue::ofString(kProgram));
}

TEST_F(SettingsStoreTest, StartWithSystemSettingIsOneWriteIntoAnExistingKey) {
  EXPECT_FALSE(store.writeStartWithSystemSetting(false).ok());
  EXPECT_TRUE(reg.changes().empty());
  reg.addKey(kKey);
  ASSERT_TRUE(store.writeStartWithSystemSetting(false).ok());
  EXPECT_EQ(reg.changes(),
            (std::vector<RegistryChange>{{RegistryChangeKind::SetValue, kKey, L"ses_st", RegistryValue::ofDword(0)}}));
}

// ---- Ticker group ----

TEST_F(SettingsStoreTest, TickerGroupLoadsItsSevenValuesInOrder) {
  storeReference(false, false, true);
  reg.setDword(kKey, L"cor_ch", 4);
  reg.setString(kKey, L"cor_fo", L"Verdana");
  reg.setDword(kKey, L"cor_st", 3);
  reg.setDword(kKey, L"cor_si", 4);
  reg.setDword(kKey, L"por_po", 700);
  reg.setDword(kKey, L"por_sp", 0);  // below the scroll bar's range
  const SettingsLoadReport report = store.loadTickerGroup(settings);
  EXPECT_EQ(asStrings(report.loaded),
            (std::vector<std::wstring>{L"cor_ch", L"cor_fo", L"cor_st", L"cor_si", L"por_po", L"por_st", L"por_sp"}));
  EXPECT_EQ(settings.rssChannel, 4);
  EXPECT_EQ(settings.tickerFontName, L"Verdana");
  EXPECT_EQ(settings.tickerFontStyle, 3);
  EXPECT_EQ(settings.tickerFontSize, 4);
  EXPECT_EQ(settings.tickerTop, 700);
  EXPECT_EQ(settings.tickerStep, 30);
  EXPECT_EQ(settings.tickerInterval, 1);
  EXPECT_EQ(describe(report.events), (std::vector<std::wstring>{L"por_po:Change", L"por_sp:Change"}));
  EXPECT_EQ(settings.backgroundColour, defaults.backgroundColour) << "nothing outside the group is read";
}

TEST_F(SettingsStoreTest, TickerGroupEndsAtTheFirstValueItCannotRead) {
  storeReference(true, true, true);
  reg.setDword(kKey, L"cor_ch", 1);
  reg.setString(kKey, L"cor_fo", L"Verdana");
  reg.setString(kKey, L"cor_st", L"2");
  reg.setDword(kKey, L"por_st", 10);
  const SettingsLoadReport report = store.loadTickerGroup(settings);
  EXPECT_EQ(asStrings(report.loaded), (std::vector<std::wstring>{L"cor_ch", L"cor_fo"}));
  EXPECT_EQ(report.stoppedAt, L"cor_st");
  EXPECT_EQ(settings.tickerStep, 30);

  FakeRegistry empty;
  SettingsStore s{empty, kProgram};
  Settings untouched;
  EXPECT_TRUE(s.loadTickerGroup(untouched).loaded.empty());
  EXPECT_EQ(empty.keyCount(), 0u) << "a missing key is not created";
}

}  // namespace
}  // namespace tikora
