// The fakes' own behaviour that other tests lean on: strict registry types, injected faults,
// the change log, clock arithmetic and the one-sound-at-a-time model.
#include <gtest/gtest.h>

#include <chrono>

#include "platform/fake/fake_clock.h"
#include "platform/fake/fake_message_box.h"
#include "platform/fake/fake_power.h"
#include "platform/fake/fake_registry.h"
#include "platform/fake/fake_single_instance.h"
#include "platform/fake/fake_sound.h"

namespace tikora {
namespace {

using std::chrono::milliseconds;

TEST(FakeRegistryTest, ReadsAreStrictAboutTypeAndSize) {
  FakeRegistry reg;
  reg.setDword(L"Tikora", L"col_bg", 7);
  reg.setString(L"Tikora", L"ed_mi", L"3");
  reg.setExpandString(L"Tikora", L"path", L"%TEMP%\\x");
  reg.setBinary(L"Tikora", L"dtp_da", std::vector<std::uint8_t>(8, 1));
  reg.setBinary(L"Tikora", L"short", std::vector<std::uint8_t>(7, 1));
  reg.setOther(L"Tikora", L"qword", std::vector<std::uint8_t>(8, 0));

  auto key = reg.openKey(L"\\TIKORA", KeyAccess::Read);
  ASSERT_TRUE(key.ok());
  EXPECT_EQ((*key)->readDword(L"COL_BG"), 7u);
  EXPECT_EQ((*key)->readString(L"col_bg"), std::nullopt);
  EXPECT_EQ((*key)->readDword(L"ed_mi"), std::nullopt);
  EXPECT_EQ((*key)->readString(L"path"), L"%TEMP%\\x");
  EXPECT_TRUE((*key)->readBinary(L"dtp_da", 8).has_value());
  EXPECT_EQ((*key)->readBinary(L"short", 8), std::nullopt);
  EXPECT_EQ((*key)->readDword(L"qword"), std::nullopt);
  EXPECT_EQ((*key)->readBinary(L"qword", 8), std::nullopt);
  EXPECT_FALSE((*key)->writeDword(L"col_bg", 1).ok()) << "a key opened for reading";
  EXPECT_EQ(reg.value(L"Tikora", L"col_bg")->dword, 7u);
}

TEST(FakeRegistryTest, LogsChangesInOrderAndFailsTheChosenWrite) {
  FakeRegistry reg;
  reg.failWriteAttempt(3);
  {
    auto key = reg.createKey(L"Tikora");
    ASSERT_TRUE(key.ok());
    EXPECT_EQ(reg.openKeyCount(), 1);
    EXPECT_TRUE((*key)->writeDword(L"a", 1).ok());
    EXPECT_TRUE((*key)->writeString(L"b", L"x").ok());
    auto failed = (*key)->writeDword(L"c", 3);
    EXPECT_FALSE(failed.ok());
    EXPECT_EQ(failed.error().code, 5u);
    EXPECT_TRUE((*key)->writeDword(L"A", 4).ok()) << "overwrites a, keeping its name and place";
  }
  EXPECT_EQ(reg.openKeyCount(), 0);
  EXPECT_EQ(reg.writeAttempts(), 4u);
  EXPECT_EQ(reg.writtenNames(), (std::vector<std::wstring>{L"a", L"b", L"a"}));
  EXPECT_EQ(reg.valueNamesOf(L"tikora"), (std::vector<std::wstring>{L"a", L"b"}));
  EXPECT_EQ(reg.changes().front().kind, RegistryChangeKind::CreateKey);
  EXPECT_FALSE(reg.value(L"Tikora", L"c").has_value());
  EXPECT_EQ(reg.value(L"Tikora", L"a"), RegistryValue::ofDword(4));
}

TEST(FakeRegistryTest, InjectedOpenCreateAndNamedWriteFailures) {
  FakeRegistry reg;
  reg.addKey(L"Tikora\\Data");
  reg.failOpen(L"Tikora");
  reg.failCreate(L"Tikora\\Data_");
  reg.failWritesOf(L"ses_st");
  EXPECT_FALSE(reg.openKey(L"Tikora", KeyAccess::Read).ok());
  EXPECT_FALSE(reg.createKey(L"Tikora\\Data_").ok());
  EXPECT_FALSE(reg.openKey(L"Missing", KeyAccess::Read).ok());
  auto data = reg.openKey(L"tikora\\data", KeyAccess::ReadWrite);
  ASSERT_TRUE(data.ok());
  EXPECT_FALSE((*data)->writeDword(L"SES_ST", 1).ok());
  EXPECT_TRUE((*data)->writeDword(L"lista_n", 0).ok());

  reg.clearFaults();
  EXPECT_TRUE(reg.openKey(L"Tikora", KeyAccess::Read).ok());
  EXPECT_TRUE(reg.deleteKeyTree(L"Tikora").ok());
  EXPECT_FALSE(reg.hasKey(L"Tikora\\Data"));
  EXPECT_FALSE((*data)->writeDword(L"lista_n", 1).ok()) << "its key was deleted";
}

TEST(FakeClockTest, AdvancesAcrossDaysAndWrapsTheTickCount) {
  FakeClock clock;
  clock.setLocalTime(2024, 2, 28, 23, 59, 59, 500);
  clock.setTickCount(0xFFFFFF00u);
  clock.advance(milliseconds(24 * 3600 * 1000 + 600));
  const LocalTime t = clock.now();
  EXPECT_EQ(t, (LocalTime{2024, 3, 1, 5, 0, 0, 0, 100}));  // leap day passed; a Friday
  EXPECT_EQ(clock.tickCount(), static_cast<std::uint32_t>(0xFFFFFF00u + 86400600u));

  clock.setLocalTime(2011, 12, 8, 15, 0, 0);
  EXPECT_EQ(clock.now().dayOfWeek, 4);  // Thursday
  EXPECT_EQ(clock.tickCount(), static_cast<std::uint32_t>(0xFFFFFF00u + 86400600u));
}

TEST(FakeSoundTest, PlaysOneSoundAtATime) {
  FakeSound sound;
  sound.markUnplayable(L"missing");
  EXPECT_TRUE(sound.playAsyncOnce(L"dzwiek1"));
  EXPECT_FALSE(sound.playAsyncNoStop(L"powiadomienie", SoundRepeat::Looped)) << "a chime plays";
  EXPECT_FALSE(sound.playAsyncOnce(L"MISSING"));
  EXPECT_EQ(sound.playing(), L"dzwiek1");
  sound.finishPlaying();
  EXPECT_TRUE(sound.playAsyncNoStop(L"powiadomienie", SoundRepeat::Looped));
  sound.finishPlaying();
  EXPECT_TRUE(sound.playingLooped());
  EXPECT_TRUE(sound.playSync(L"its"));
  EXPECT_FALSE(sound.playing().has_value()) << "a synchronous sound has ended on return";
  sound.stopAll();

  const std::vector<SoundCall> expected{
      {SoundCallKind::PlayAsyncOnce, L"dzwiek1", SoundRepeat::Once, true},
      {SoundCallKind::PlayAsyncNoStop, L"powiadomienie", SoundRepeat::Looped, false},
      {SoundCallKind::PlayAsyncOnce, L"MISSING", SoundRepeat::Once, false},
      {SoundCallKind::PlayAsyncNoStop, L"powiadomienie", SoundRepeat::Looped, true},
      {SoundCallKind::PlaySync, L"its", SoundRepeat::Once, true},
      {SoundCallKind::StopAll, L"", SoundRepeat::Once, false},
  };
  EXPECT_EQ(sound.calls(), expected);
  EXPECT_EQ(sound.startedNames(), (std::vector<std::wstring>{L"dzwiek1", L"powiadomienie", L"its"}));
}

TEST(FakeSystemServicesTest, RecordAndAnswerAsScripted) {
  FakePower power;
  power.setHibernateAllowed(false);
  EXPECT_TRUE(power.enableShutdownPrivilege());
  EXPECT_TRUE(power.exitWindows(kExitPowerOff | kExitForce, 0));
  EXPECT_FALSE(power.hibernateAllowed());
  EXPECT_EQ(power.calls(), (std::vector<PowerCall>{{PowerCallKind::EnableShutdownPrivilege},
                                                   {PowerCallKind::ExitWindows, 12, 0},
                                                   {PowerCallKind::HibernateAllowed}}));

  FakeSingleInstance instance;
  instance.addWindow(L"Tikora", true);
  EXPECT_TRUE(instance.windowWithCaptionExists(L"Tikora", WindowOwner::AnyProcess));
  EXPECT_FALSE(instance.windowWithCaptionExists(L"Tikora", WindowOwner::OtherProcess));
  EXPECT_FALSE(instance.windowWithCaptionExists(L"tikora", WindowOwner::AnyProcess));
  EXPECT_EQ(instance.createMutex(L"VoiceTikoraMutex"), MutexCreation::Created);
  EXPECT_EQ(instance.createMutex(L"VoiceTikoraMutex"), MutexCreation::AlreadyExisted);
  EXPECT_TRUE(instance.mutexExists(L"VoiceTikoraMutex"));

  FakeMessageBox boxes;
  boxes.queueAnswer(MessageBoxAnswer::No);
  const MessageBoxRequest ask{
      L"Control Panel - Settings", L"save?", MessageBoxButtons::YesNo, MessageBoxIcon::Information, {}};
  EXPECT_EQ(boxes.show(ask), MessageBoxAnswer::No);
  EXPECT_EQ(boxes.show(ask), MessageBoxAnswer::Yes) << "script used up: the first button";
  EXPECT_EQ(boxes.show({L"Tikora", L"done", MessageBoxButtons::Ok, MessageBoxIcon::None, {}}), MessageBoxAnswer::Ok);
  EXPECT_EQ(boxes.shown().front(), ask);
  EXPECT_EQ(boxes.texts(), (std::vector<std::wstring>{L"save?", L"save?", L"done"}));
}

}  // namespace
}  // namespace tikora
