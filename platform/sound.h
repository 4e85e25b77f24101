// Playback of the program's own WAVE resources, addressed by resource name ("dzwiek3",
// "ang_20_f", "powiadomienie"; names are case-insensitive). The program plays one sound at a
// time: every start except playAsyncNoStop ends the sound that is playing. A name that is not
// a resource of the program plays nothing (no fallback to a system default sound).
// Each call returns whether the sound started (for playSync: whether it was played).
#pragma once
#include <string_view>

namespace tikora {

enum class SoundRepeat { Once, Looped };

class Sound {
 public:
  virtual ~Sound() = default;

  // Chimes, warnings and previews: returns at once, plays once.
  virtual bool playAsyncOnce(std::wstring_view name) = 0;
  // Returns at once and repeats the sound until stopAll or the next sound.
  virtual bool playAsyncLooped(std::wstring_view name) = 0;
  // Returns when the sound has ended (used off the GUI thread by the spoken announcement).
  virtual bool playSync(std::wstring_view name) = 0;
  // Like the async calls, but starts only when no sound of the program is playing; a playing
  // sound is left alone and false is returned.
  virtual bool playAsyncNoStop(std::wstring_view name, SoundRepeat repeat) = 0;
  // Ends any sound of the program, looped ones included.
  virtual void stopAll() = 0;
};

}  // namespace tikora
