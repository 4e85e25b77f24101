// The spoken time announcement. At the chosen repeat interval the second tick starts one
// short-lived thread that reads the current minute and hour the tick stored and plays the
// phrase word by word, each word synchronously, so neither the GUI thread nor the tick waits for
// the voice. `MaleAnnouncement` speaks with the male voice, `FemaleAnnouncement` with the female one; the
// announcer keeps a reference to the thread object last started of each class.
//
// Where the body runs is up to an AnnouncementLauncher: a real thread per announcement in the
// program, the calling thread in tests, so a simulated day hears every announcement in order.
// The thread launcher waits for its threads when it is destroyed, after asking them to stop at
// the end of the word they are playing, so ending the program never tears a thread down under
// its feet.
#pragma once
#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <stop_token>
#include <thread>
#include <vector>

#include "clock/settings.h"
#include "platform/sound.h"
#include "timeservices/tick_time.h"
#include "timeservices/voice_phrase.h"

namespace tikora {

// ---- When to announce ----

// The repeat interval in minutes: 1, 5, 10, 15, 30 or 60; 0 for "OFF" or no choice.
int announcementInterval(const Settings& settings);
// The second at which an announcement starts: 0 when the full-hour sound is "OFF", else 4, so a
// chime at hh:00:00 has four seconds before the voice ends it.
int announcementSecond(const Settings& settings);
// Whether the tick at `minute`:`second` starts an announcement: the interval divides the minute
// and the second is the start second.
bool announcementDue(const Settings& settings, int minute, int second);
// "Female Voice" gives the female voice, anything else the male one.
Voice announcementVoice(const Settings& settings);

// ---- Where announcements run ----

class AnnouncementLauncher {
 public:
  virtual ~AnnouncementLauncher() = default;
  // Runs `body`, handing it a token that asks it to stop early. False when it could not be
  // started (nothing is reported to the user).
  virtual bool launch(std::function<void(std::stop_token)> body) = 0;
};

// One new thread per body. Threads that have ended are joined at the next launch; those still
// running when the launcher is destroyed are asked to stop and waited for.
class ThreadAnnouncementLauncher final : public AnnouncementLauncher {
 public:
  ThreadAnnouncementLauncher() = default;
  ThreadAnnouncementLauncher(const ThreadAnnouncementLauncher&) = delete;
  ThreadAnnouncementLauncher& operator=(const ThreadAnnouncementLauncher&) = delete;
  ~ThreadAnnouncementLauncher() override;

  bool launch(std::function<void(std::stop_token)> body) override;
  // Threads started and not yet joined.
  std::size_t unjoined() const;

 private:
  struct Worker {
    std::shared_ptr<std::atomic<bool>> done;
    std::jthread thread;
  };
  void joinEnded();

  mutable std::mutex mutex_;
  std::vector<Worker> workers_;
};

// Runs the body on the calling thread before returning.
class InlineAnnouncementLauncher final : public AnnouncementLauncher {
 public:
  bool launch(std::function<void(std::stop_token)> body) override {
    body(std::stop_token{});
    return true;
  }
};

// ---- The announcement threads ----

class AnnouncementThread {
 public:
  virtual ~AnnouncementThread() = default;
  AnnouncementThread(const AnnouncementThread&) = delete;
  AnnouncementThread& operator=(const AnnouncementThread&) = delete;

  Voice voice() const { return voice_; }
  // The thread body: reads the stored minute and hour, plays the phrase one word after another
  // (a word that cannot be played is left out) and ends. Between words it stops when asked.
  void Execute(std::stop_token stop);
  bool finished() const { return finished_.load(); }

 protected:
  AnnouncementThread(Voice voice, Sound& sound, const TickTime& time, bool amPm)
      : voice_(voice), sound_(sound), time_(time), amPm_(amPm) {}

 private:
  bool play(const std::vector<std::wstring>& words, const std::stop_token& stop);

  Voice voice_;
  Sound& sound_;
  const TickTime& time_;
  bool amPm_;  // "Am / Pm" "ON", taken when the announcement starts
  std::atomic<bool> finished_{false};
};

class MaleAnnouncement final : public AnnouncementThread {
 public:
  MaleAnnouncement(Sound& sound, const TickTime& time, bool amPm)
      : AnnouncementThread(Voice::Male, sound, time, amPm) {}
};

class FemaleAnnouncement final : public AnnouncementThread {
 public:
  FemaleAnnouncement(Sound& sound, const TickTime& time, bool amPm)
      : AnnouncementThread(Voice::Female, sound, time, amPm) {}
};

// Starts announcements for the second tick. GUI thread only.
class VoiceAnnouncer {
 public:
  VoiceAnnouncer(Sound& sound, const TickTime& time, AnnouncementLauncher& launcher)
      : sound_(sound), time_(time), launcher_(launcher) {}

  // A new thread object of the class the voice setting chooses, kept as that class's last
  // one, then started.
  void start(const Settings& settings);

  const std::shared_ptr<MaleAnnouncement>& maleAnnouncement() const { return maleAnnouncement_; }
  const std::shared_ptr<FemaleAnnouncement>& femaleAnnouncement() const { return femaleAnnouncement_; }
  // Announcements handed to the launcher, and how many of them it started.
  std::uint64_t requested() const { return requested_; }
  std::uint64_t launched() const { return launched_; }

 private:
  Sound& sound_;
  const TickTime& time_;
  AnnouncementLauncher& launcher_;
  std::shared_ptr<MaleAnnouncement> maleAnnouncement_;
  std::shared_ptr<FemaleAnnouncement> femaleAnnouncement_;
  std::uint64_t requested_ = 0;
  std::uint64_t launched_ = 0;
};

}  // namespace tikora
