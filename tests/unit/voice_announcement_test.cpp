// Starting the spoken announcement: when it is due, which thread class speaks, words that fail
// left out, real threads that play the phrase and are stopped and joined when the program ends.
#include "timeservices/voice_announcement.h"
#include "clock/settings_schema.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <stop_token>
#include <thread>
#include <vector>

#include "platform/fake/fake_sound.h"

namespace tikora {
namespace {

using namespace std::chrono_literals;
using Words = std::vector<std::wstring>;

Words syncWords(const FakeSound& sound) {
  Words words;
  for (const auto& call : sound.calls())
    if (call.kind == SoundCallKind::PlaySync) words.push_back(call.name);
  return words;
}

void chooseInterval(Settings& s, bool Settings::*name) { selectRadioButton(s, name); }

TEST(AnnouncementStart, IntervalDividesTheMinuteAtSecondZeroOrFour) {
  struct Case {
    bool Settings::*option;
    std::vector<int> minutes;  // the minutes of an hour that announce
  };
  const std::vector<Case> cases{
      {&Settings::voiceEvery5Minutes, {0, 5, 10, 15, 20, 25, 30, 35, 40, 45, 50, 55}},
      {&Settings::voiceEvery10Minutes, {0, 10, 20, 30, 40, 50}},
      {&Settings::voiceEvery15Minutes, {0, 15, 30, 45}},
      {&Settings::voiceEvery30Minutes, {0, 30}},
      {&Settings::voiceEvery60Minutes, {0}},
      {&Settings::voiceOff, {}},
  };
  for (const bool chimeOff : {true, false}) {
    for (const Case& c : cases) {
      Settings s;
      chooseInterval(s, c.option);
      s.hourSoundOff = chimeOff;
      if (!chimeOff) selectRadioButton(s, &Settings::hourSound12);  // chime "12"
      const int startSecond = chimeOff ? 0 : 4;
      std::vector<int> announced;
      for (int minute = 0; minute < 60; ++minute)
        for (int second = 0; second < 60; ++second)
          if (announcementDue(s, minute, second)) {
            EXPECT_EQ(second, startSecond) << c.option;
            announced.push_back(minute);
          }
      EXPECT_EQ(announced, c.minutes) << c.option << " chime off " << chimeOff;
    }
  }
  Settings every;
  chooseInterval(every, &Settings::voiceEvery1Minute);
  int count = 0;
  for (int minute = 0; minute < 60; ++minute) count += announcementDue(every, minute, 4);
  EXPECT_EQ(count, 60);
  EXPECT_FALSE(announcementDue(every, 7, 0)) << "a chime is chosen by default: second 4";
}

TEST(AnnouncementStart, NoIntervalChosenNeverAnnounces) {
  Settings s;
  s.voiceEvery60Minutes = false;
  EXPECT_EQ(announcementInterval(s), 0);
  EXPECT_FALSE(announcementDue(s, 0, 4));
}

class AnnouncerTest : public ::testing::Test {
 protected:
  FakeSound sound;
  TickTime time;
  InlineAnnouncementLauncher inline_;
  VoiceAnnouncer announcer{sound, time, inline_};
  Settings settings;
};

TEST_F(AnnouncerTest, MaleVoiceByDefaultFemaleWhenChosen) {
  time.hour = 22;
  time.minute = 25;
  announcer.start(settings);
  EXPECT_EQ(syncWords(sound), (Words{L"its", L"ang_20", L"ang_5", L"past", L"ang_10", L"pm"}));
  ASSERT_TRUE(announcer.maleAnnouncement());
  EXPECT_TRUE(announcer.maleAnnouncement()->finished());
  EXPECT_FALSE(announcer.femaleAnnouncement());

  sound.clearCalls();
  selectRadioButton(settings, &Settings::femaleVoice);
  selectRadioButton(settings, &Settings::amPmOff);
  time.hour = 0;
  time.minute = 0;
  const auto male = announcer.maleAnnouncement();
  announcer.start(settings);
  EXPECT_EQ(syncWords(sound), (Words{L"its_f", L"ang_12_f"}));
  ASSERT_TRUE(announcer.femaleAnnouncement());
  EXPECT_EQ(announcer.femaleAnnouncement()->voice(), Voice::Female);
  EXPECT_EQ(announcer.maleAnnouncement(), male) << "the male reference stays the last male thread";
  EXPECT_EQ(announcer.launched(), 2u);
}

TEST_F(AnnouncerTest, WordThatCannotBePlayedIsLeftOut) {
  sound.markUnplayable(L"ANG_20");
  time.hour = 9;
  time.minute = 40;
  announcer.start(settings);
  const auto calls = sound.calls();
  ASSERT_EQ(calls.size(), 5u);
  EXPECT_EQ(calls[1].name, L"ang_20");
  EXPECT_FALSE(calls[1].started);
  EXPECT_EQ(syncWords(sound), (Words{L"its", L"ang_20", L"to", L"ang_10", L"am"}))
      << "the words after the failed one still play";
}

TEST(AnnouncementThreads, RealThreadPlaysThePhraseAndIsJoined) {
  FakeSound sound;
  TickTime time;
  time.hour = 14;
  time.minute = 0;
  ThreadAnnouncementLauncher threads;
  VoiceAnnouncer announcer(sound, time, threads);
  announcer.start(Settings{});
  const auto deadline = std::chrono::steady_clock::now() + 5s;
  while (!announcer.maleAnnouncement()->finished() && std::chrono::steady_clock::now() < deadline)
    std::this_thread::sleep_for(1ms);
  ASSERT_TRUE(announcer.maleAnnouncement()->finished());
  EXPECT_EQ(syncWords(sound), (Words{L"its", L"ang_2", L"pm"}));

  // The ended thread is joined when the next one starts.
  announcer.start(Settings{});
  EXPECT_EQ(threads.unjoined(), 1u);
}

// Ends the program (stops the announcement's thread) while it plays word `at`.
class StoppingSound : public FakeSound {
 public:
  StoppingSound(std::stop_source& stop, std::size_t at) : stop_(stop), at_(at) {}
  bool playSync(std::wstring_view name) override {
    const bool played = FakeSound::playSync(name);
    if (++words_ == at_) stop_.request_stop();
    return played;
  }

 private:
  std::stop_source& stop_;
  std::size_t at_;
  std::size_t words_ = 0;
};

// Runs the announcement on the calling thread with a stop the test controls.
class StoppableLauncher final : public AnnouncementLauncher {
 public:
  explicit StoppableLauncher(std::stop_source& stop) : stop_(stop) {}
  bool launch(std::function<void(std::stop_token)> body) override {
    body(stop_.get_token());
    return true;
  }

 private:
  std::stop_source& stop_;
};

TEST(AnnouncementThreads, EndingTheProgramStopsAfterTheCurrentWord) {
  std::stop_source stop;
  StoppingSound sound(stop, 2);
  TickTime time;
  time.hour = 10;
  time.minute = 25;  // six words
  StoppableLauncher launcher(stop);
  VoiceAnnouncer announcer(sound, time, launcher);
  announcer.start(Settings{});
  EXPECT_EQ(syncWords(sound), (Words{L"its", L"ang_20"})) << "the word playing ends, no other starts";
}

TEST(AnnouncementThreads, TheLauncherStopsItsThreadsAndWaitsForThemWhenItGoes) {
  std::atomic<bool> stopSeen{false};
  std::atomic<bool> running{false};
  {
    ThreadAnnouncementLauncher threads;
    ASSERT_TRUE(threads.launch([&](std::stop_token stop) {
      running = true;
      std::mutex mutex;
      std::condition_variable_any woken;
      std::unique_lock lock(mutex);
      woken.wait(lock, stop, [] { return false; });  // until the stop is asked for
      stopSeen = stop.stop_requested();
    }));
    while (!running) std::this_thread::yield();
  }
  EXPECT_TRUE(stopSeen) << "the thread was asked to stop and had ended when the launcher went";
}

}  // namespace
}  // namespace tikora
