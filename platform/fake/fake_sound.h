// A sound player for tests. It records every call in order and keeps track of what would be
// playing, so the one-sound-at-a-time rules can be tested: a once-sound plays until the test
// calls finishPlaying(), a looped sound until stopAll() or the next sound, and playAsyncNoStop
// refuses to start while anything plays. Safe to call from several threads.
#pragma once
#include <mutex>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "platform/sound.h"

namespace tikora {

enum class SoundCallKind { PlayAsyncOnce, PlayAsyncLooped, PlaySync, PlayAsyncNoStop, StopAll };

struct SoundCall {
  SoundCallKind kind = SoundCallKind::PlayAsyncOnce;
  std::wstring name;                       // empty for StopAll
  SoundRepeat repeat = SoundRepeat::Once;  // Looped for PlayAsyncLooped and looped no-stop starts
  bool started = false;                    // what the call returned (false for StopAll)

  friend bool operator==(const SoundCall&, const SoundCall&) = default;
};

class FakeSound : public Sound {
 public:
  bool playAsyncOnce(std::wstring_view name) override;
  bool playAsyncLooped(std::wstring_view name) override;
  bool playSync(std::wstring_view name) override;
  bool playAsyncNoStop(std::wstring_view name, SoundRepeat repeat) override;
  void stopAll() override;

  // Calls for this name (compared without regard to case) return false and play nothing.
  void markUnplayable(std::wstring_view name);

  std::vector<SoundCall> calls() const;
  // Names of the sounds that started, in order.
  std::vector<std::wstring> startedNames() const;
  void clearCalls();

  // The sound playing now, if any.
  std::optional<std::wstring> playing() const;
  bool playingLooped() const;
  // The once-sound playing now comes to its end; a looped sound keeps playing.
  void finishPlaying();

 private:
  bool start(SoundCallKind kind, std::wstring_view name, SoundRepeat repeat, bool noStop);
  bool unplayable(std::wstring_view name) const;

  mutable std::mutex mutex_;
  std::vector<SoundCall> calls_;
  std::set<std::wstring> unplayable_;  // folded names
  std::optional<std::wstring> playing_;
  bool looped_ = false;
};

}  // namespace tikora
