// The full-hour chime and the hand-over to the visual effect: which sound each option plays and
// when, the preview on a mouse press, and when the effect timer starts.
#include "timeservices/full_hour.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/fake/fake_sound.h"

namespace tikora {
namespace {

struct SoundOption {
  const wchar_t* setting;
  const wchar_t* component;
  const wchar_t* sound;
};

const std::vector<SoundOption> kOptions{
    {L"ra_h1", L"RadioButton16", L"dzwiek1"},   {L"ra_h2", L"RadioButton17", L"dzwiek2"},
    {L"ra_h3", L"RadioButton18", L"dzwiek3"},   {L"ra_h4", L"RadioButton19", L"dzwiek4"},
    {L"ra_h5", L"RadioButton20", L"dzwiek5"},   {L"se_sin", L"RadioButton38", L"dzwiek6"},
    {L"se_sid", L"RadioButton40", L"dzwiek7"},  {L"se_sdd", L"RadioButton42", L"dzwiek8"},
    {L"se_uyw", L"RadioButton46", L"dzwiek9"},  {L"se_axv", L"RadioButton49", L"dzwiek10"},
    {L"se_dxd", L"RadioButton62", L"dzwiek11"}, {L"se_oes", L"RadioButton64", L"dzwiek12"},
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
    ASSERT_EQ(calls().size(), 1u) << option.setting;
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
  selectRadioButton(settings, L"ra_h6");
  fullHour.chime(0, 0);
  settings.ra_h6 = false;  // no option chosen at all
  fullHour.chime(0, 0);
  EXPECT_TRUE(calls().empty());
}

TEST_F(FullHourTest, PressOnAnOptionPreviewsItChosenOrNot) {
  selectRadioButton(settings, L"se_sid");  // "7" chosen
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
  selectRadioButton(settings, L"ra_h12");
  fullHour.startVisualEffect(0);
  settings.ra_h12 = false;
  fullHour.startVisualEffect(0);
  EXPECT_FALSE(timer4.enabled());
  EXPECT_EQ(phaseResets, 0);
  for (const wchar_t* effect : {L"ra_h11", L"se_sro", L"se_oev"}) {
    selectRadioButton(settings, effect);
    timer4.stop();
    fullHour.startVisualEffect(0);
    EXPECT_TRUE(timer4.enabled()) << effect;
  }
}

}  // namespace
}  // namespace tikora
