// WAVE resources through PlaySoundW; see win32_sound.h.
#include "platform/win32/win32_sound.h"

#include <mmsystem.h>

#include <string>

namespace tikora {

Win32Sound::Win32Sound(HMODULE module) : module_(module ? module : GetModuleHandleW(nullptr)) {}

bool Win32Sound::play(std::wstring_view name, DWORD flags) {
  if (name.empty()) return false;
  const std::wstring resource(name);
  // Look the resource up first: an asynchronous PlaySound may report success for a name that is
  // not there, and a missing sound must leave the sound that plays alone.
  if (!FindResourceW(module_, resource.c_str(), L"WAVE")) return false;
  // SND_NODEFAULT everywhere: a sound that cannot be played stays silent instead of the system
  // beep (which would repeat forever for a looped sound).
  return PlaySoundW(resource.c_str(), module_, SND_RESOURCE | SND_NODEFAULT | flags) != FALSE;
}

bool Win32Sound::playAsyncOnce(std::wstring_view name) { return play(name, SND_ASYNC); }

bool Win32Sound::playAsyncLooped(std::wstring_view name) { return play(name, SND_ASYNC | SND_LOOP); }

bool Win32Sound::playSync(std::wstring_view name) { return play(name, SND_SYNC); }

bool Win32Sound::playAsyncNoStop(std::wstring_view name, SoundRepeat repeat) {
  const DWORD loop = repeat == SoundRepeat::Looped ? SND_LOOP : 0;
  return play(name, SND_ASYNC | SND_NOSTOP | loop);
}

void Win32Sound::stopAll() { PlaySoundW(nullptr, nullptr, 0); }

}  // namespace tikora
