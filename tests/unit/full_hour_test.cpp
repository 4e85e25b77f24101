// The full-hour chime and the hand-over to the visual effect: which sound each option plays and
// when, the preview on a mouse press, and when the effect timer starts.
#include "timeservices/full_hour.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "clock/settings_schema.h"
#include "platform/fake/fake_sound.h"

namespace tikora {
namespace {

struct SoundOption {
  bool Settings::*setting;
  const wchar_t* component;
  const wchar_t* sound;
};

const std::vector<SoundOption> kOptions{
    {&Settings::hourSound1, L"RadioButton16", L"dzwiek1"},   {&Settings::hourSound2, L"RadioButton17", L"dzwiek2"},
    {&Settings::hourSound3, L"RadioButton18", L"dzwiek3"},   {&Settings::hourSound4, L"RadioButton19", L"dzwiek4"},
    {&Settings::hourSound5, L"RadioButton20", L"dzwiek5"},   {&Settings::hourSound6, L"RadioButton38", L"dzwiek6"},
    {&Settings::hourSound7, L"RadioButton40", L"dzwiek7"},   {&Settings::hourSound8, L"RadioButton42", L"dzwiek8"},
    {&Settings::hourSound9, L"RadioButton46", L"dzwiek9"},   {&Settings::hourSound10, L"RadioButton49", L"dzwiek10"},
    {&Settings::hourSound11, L"RadioButton62", L"dzwiek11"}, {&Settings::hourSound12, L"RadioButton64", L"dzwiek12"},
};

class FullHourTest : public ::testing::Test {
 protected:
  std::vector<SoundCall> calls() const { return sound.calls(); }

  Settings settings;
  FakeSound sound;
  ModelTimer timer4{1000, false};
  int phaseResets = 0;
  FullHour fullHour{settings, sound, timer4, [this] { ++phaseResets; }};
};

TEST_F(FullHourTest, EachOptionChimesItsSoundOnceAtTheFullHour) {
  for (const SoundOption& option : kOptions) {
    sound.clearCalls();
    ASSERT_TRUE(selectRadioButton(settings, option.setting));
    fullHour.chime(0, 0);
    ASSERT_EQ(calls().size(), 1u) << option.component;
    EXPECT_EQ(calls()[0], (SoundCall{SoundCallKind::PlayAsyncOnce, option.sound, SoundRepeat::Once, true}));
  }
}

TEST_F(FullHourTest, OnlyMinuteZeroSecondZero) {
  for (int minute : {0, 1, 59})
    for (int second : {0, 1, 4, 59})
      if (minute != 0 || second != 0) fullHour.chime(minute, second);
  EXPECT_TRUE(calls().empty());
}

TEST_F(FullHourTest, OffOrNoChoiceIsSilent) {
  selectRadioButton(settings, &Settings::hourSoundOff);
  fullHour.chime(0, 0);
  settings.hourSoundOff = false;  // no option chosen at all
  fullHour.chime(0, 0);
  EXPECT_TRUE(calls().empty());
}

TEST_F(FullHourTest, PressOnAnOptionPreviewsItChosenOrNot) {
  selectRadioButton(settings, &Settings::hourSound7);  // "7" chosen
  for (const SoundOption& option : kOptions) EXPECT_TRUE(fullHour.soundOptionMouseDown(option.component));
  std::vector<std::wstring> expected;
  for (const SoundOption& option : kOptions) expected.push_back(option.sound);
  EXPECT_EQ(sound.startedNames(), expected);
  EXPECT_FALSE(fullHour.soundOptionMouseDown(L"RadioButton21")) << "OFF has no preview";
  EXPECT_FALSE(fullHour.soundOptionMouseDown(L"RadioButton22")) << "an effect option";
  EXPECT_EQ(calls().size(), 12u);
}

TEST_F(FullHourTest, EffectTimerStartsInMinuteZeroOnceWhileStopped) {
  fullHour.startVisualEffect(1);
  EXPECT_FALSE(timer4.enabled());
  fullHour.startVisualEffect(0);  // any second of minute 0, e.g. a start at hh:00:30
  EXPECT_TRUE(timer4.enabled());
  EXPECT_EQ(phaseResets, 1);
  fullHour.startVisualEffect(0);
  fullHour.startVisualEffect(0);
  EXPECT_EQ(timer4.starts(), 1u) << "a running effect is left alone";
  EXPECT_EQ(phaseResets, 1);
  timer4.stop();  // the effect stops itself when minute 0 is over
  fullHour.startVisualEffect(0);
  EXPECT_EQ(timer4.starts(), 2u);
  EXPECT_EQ(phaseResets, 2);
}

TEST_F(FullHourTest, NoEffectTimerWithOffOrNoChoice) {
  selectRadioButton(settings, &Settings::hourEffectOff);
  fullHour.startVisualEffect(0);
  settings.hourEffectOff = false;
  fullHour.startVisualEffect(0);
  EXPECT_FALSE(timer4.enabled());
  EXPECT_EQ(phaseResets, 0);
  for (bool Settings::*effect : {&Settings::hourEffect5, &Settings::hourEffect6, &Settings::hourEffect12}) {
    selectRadioButton(settings, effect);
    timer4.stop();
    fullHour.startVisualEffect(0);
    EXPECT_TRUE(timer4.enabled()) << std::wstring(settingOf(effect).name);
  }
}

}  // namespace
}  // namespace tikora
