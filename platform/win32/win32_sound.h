// Plays WAVE resources of a module (the program itself unless told otherwise) with PlaySoundW.
#pragma once
#include <windows.h>

#include "platform/sound.h"

namespace tikora {

class Win32Sound : public Sound {
 public:
  // `module` holds the WAVE resources; null means the program's own executable.
  explicit Win32Sound(HMODULE module = nullptr);

  bool playAsyncOnce(std::wstring_view name) override;
  bool playAsyncLooped(std::wstring_view name) override;
  bool playSync(std::wstring_view name) override;
  bool playAsyncNoStop(std::wstring_view name, SoundRepeat repeat) override;
  void stopAll() override;

 private:
  bool play(std::wstring_view name, DWORD flags);
  HMODULE module_;
};

}  // namespace tikora
