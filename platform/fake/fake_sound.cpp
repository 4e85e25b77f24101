// Test sound player; see fake_sound.h.
#include "platform/fake/fake_sound.h"

#include <cwctype>

namespace tikora {
namespace {

std::wstring fold(std::wstring_view text) {
  std::wstring folded(text);
  for (auto& c : folded) c = static_cast<wchar_t>(std::towlower(static_cast<wint_t>(c)));
  return folded;
}

}  // namespace

bool FakeSound::unplayable(std::wstring_view name) const { return name.empty() || unplayable_.count(fold(name)) > 0; }

bool FakeSound::start(SoundCallKind kind, std::wstring_view name, SoundRepeat repeat, bool noStop) {
  std::lock_guard lock(mutex_);
  bool started = !unplayable(name) && !(noStop && playing_);
  calls_.push_back({kind, std::wstring(name), repeat, started});
  if (started) {
    const bool keepsPlaying = kind != SoundCallKind::PlaySync;
    playing_ = keepsPlaying ? std::optional<std::wstring>(name) : std::nullopt;
    looped_ = keepsPlaying && repeat == SoundRepeat::Looped;
  }
  return started;
}

bool FakeSound::playAsyncOnce(std::wstring_view name) {
  return start(SoundCallKind::PlayAsyncOnce, name, SoundRepeat::Once, false);
}

bool FakeSound::playAsyncLooped(std::wstring_view name) {
  return start(SoundCallKind::PlayAsyncLooped, name, SoundRepeat::Looped, false);
}

bool FakeSound::playSync(std::wstring_view name) {
  return start(SoundCallKind::PlaySync, name, SoundRepeat::Once, false);
}

bool FakeSound::playAsyncNoStop(std::wstring_view name, SoundRepeat repeat) {
  return start(SoundCallKind::PlayAsyncNoStop, name, repeat, true);
}

void FakeSound::stopAll() {
  std::lock_guard lock(mutex_);
  calls_.push_back({SoundCallKind::StopAll, {}, SoundRepeat::Once, false});
  playing_.reset();
  looped_ = false;
}

void FakeSound::markUnplayable(std::wstring_view name) {
  std::lock_guard lock(mutex_);
  unplayable_.insert(fold(name));
}

std::vector<SoundCall> FakeSound::calls() const {
  std::lock_guard lock(mutex_);
  return calls_;
}

std::vector<std::wstring> FakeSound::startedNames() const {
  std::lock_guard lock(mutex_);
  std::vector<std::wstring> names;
  for (const auto& call : calls_)
    if (call.started) names.push_back(call.name);
  return names;
}

void FakeSound::clearCalls() {
  std::lock_guard lock(mutex_);
  calls_.clear();
}

std::optional<std::wstring> FakeSound::playing() const {
  std::lock_guard lock(mutex_);
  return playing_;
}

bool FakeSound::playingLooped() const {
  std::lock_guard lock(mutex_);
  return playing_.has_value() && looped_;
}

void FakeSound::finishPlaying() {
  std::lock_guard lock(mutex_);
  if (!looped_) playing_.reset();
}

}  // namespace tikora
