// The spoken time announcement; see voice_announcement.h.
#include "timeservices/voice_announcement.h"

#include <algorithm>
#include <system_error>
#include <utility>

namespace tikora {

int announcementInterval(const Settings& s) {
  if (s.voiceEvery1Minute) return 1;
  if (s.voiceEvery5Minutes) return 5;
  if (s.voiceEvery10Minutes) return 10;
  if (s.voiceEvery15Minutes) return 15;
  if (s.voiceEvery30Minutes) return 30;
  if (s.voiceEvery60Minutes) return 60;
  return 0;  // "OFF" (voiceOff) or nothing chosen
}

int announcementSecond(const Settings& s) { return s.hourSoundOff ? 0 : 4; }

bool announcementDue(const Settings& s, int minute, int second) {
  const int interval = announcementInterval(s);
  return interval != 0 && minute % interval == 0 && second == announcementSecond(s);
}

Voice announcementVoice(const Settings& s) { return s.femaleVoice ? Voice::Female : Voice::Male; }

// ---- ThreadAnnouncementLauncher ----

ThreadAnnouncementLauncher::~ThreadAnnouncementLauncher() {
  std::vector<Worker> workers;
  {
    std::lock_guard lock(mutex_);
    workers.swap(workers_);
  }
  for (Worker& worker : workers) worker.thread.request_stop();
  // Each jthread joins as it is destroyed here.
}

void ThreadAnnouncementLauncher::joinEnded() {
  // Joining an ended thread returns at once; running ones are left alone.
  std::erase_if(workers_, [](const Worker& worker) { return worker.done->load(); });
}

bool ThreadAnnouncementLauncher::launch(std::function<void(std::stop_token)> body) {
  std::lock_guard lock(mutex_);
  joinEnded();
  auto done = std::make_shared<std::atomic<bool>>(false);
  try {
    std::jthread thread([body = std::move(body), done](std::stop_token stop) {
      // No exception may leave a thread: it would end the program.
      try {
        body(stop);
      } catch (...) {
      }
      done->store(true);
    });
    workers_.push_back(Worker{std::move(done), std::move(thread)});
    return true;
  } catch (const std::system_error&) {
    return false;  // no thread to be had: this announcement is left out
  } catch (const std::bad_alloc&) {
    return false;
  }
}

std::size_t ThreadAnnouncementLauncher::unjoined() const {
  std::lock_guard lock(mutex_);
  return workers_.size();
}

// ---- AnnouncementThread ----

bool AnnouncementThread::play(const std::vector<std::wstring>& words, const std::stop_token& stop) {
  for (const std::wstring& word : words) {
    if (stop.stop_requested()) return false;
    sound_.playSync(word);  // a word that cannot be played is left out
  }
  return true;
}

void AnnouncementThread::Execute(std::stop_token stop) {
  const int minute = time_.minute.load();
  const int hour = time_.hour.load();
  if (play(minuteWords(minute, voice_), stop)) {
    // The hour word follows the minute as stored now (the tick may have moved on meanwhile).
    play(hourWords(time_.minute.load(), hour, amPm_, voice_), stop);
  }
  finished_.store(true);
}

// ---- VoiceAnnouncer ----

void VoiceAnnouncer::start(const Settings& settings) {
  ++requested_;
  const bool amPm = settings.amPmOn;
  std::shared_ptr<AnnouncementThread> thread;
  if (announcementVoice(settings) == Voice::Female) {
    femaleAnnouncement_ = std::make_shared<FemaleAnnouncement>(sound_, time_, amPm);
    thread = femaleAnnouncement_;
  } else {
    maleAnnouncement_ = std::make_shared<MaleAnnouncement>(sound_, time_, amPm);
    thread = maleAnnouncement_;
  }
  // The body holds the thread object, so it lives until the phrase has been spoken even when
  // the next announcement replaces the reference.
  if (launcher_.launch([thread](std::stop_token stop) { thread->Execute(std::move(stop)); })) ++launched_;
}

}  // namespace tikora
