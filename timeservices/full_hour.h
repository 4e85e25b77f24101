// The full-hour notification, sound side, and the hand-over to the visual effect. At hh:00:00
// the chosen chime ("dzwiek1" .. "dzwiek12") plays once, asynchronously; during minute 0 the
// effect timer is started when an effect is chosen and the timer is not yet running. A
// press of any mouse button on a sound option previews its chime.
#pragma once
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "clock/settings.h"
#include "core/component.h"
#include "platform/sound.h"

namespace tikora {

// The chosen option of "By Sound Effect": 1..12, or 0 for "OFF" or no choice.
int selectedHourSound(const Settings& settings);
// "dzwiek" followed by the option number.
std::wstring hourSoundName(int option);
// The option (1..12) a sound radio button shows ("RadioButton16" is 1, "RadioButton64" is 12);
// nothing for "OFF" and any other component.
std::optional<int> hourSoundOption(std::wstring_view component);
// Whether one of the twelve effects of "By Visiual Effect" is chosen ("OFF" or no choice: not).
bool visualEffectChosen(const Settings& settings);

class FullHour {
 public:
  // `effectTimer` is the control panel's; `resetEffectPhase` sets the digit animation's
  // phase step to 1 and its odd/even switch to true.
  FullHour(const Settings& settings, Sound& sound, ModelTimer& effectTimer, std::function<void()> resetEffectPhase)
      : settings_(settings), sound_(sound), effectTimer_(effectTimer), resetEffectPhase_(std::move(resetEffectPhase)) {}

  // The chime: at minute 0, second 0, the chosen sound, once, without waiting.
  void chime(int minute, int second);
  // At every tick of minute 0 with an effect chosen and the effect timer stopped: it starts and the
  // effect's phase is reset.
  void startVisualEffect(int minute);
  // A mouse button pressed on a sound option (1..12): its chime plays, chosen or not.
  void previewSound(int option);
  // The same by the option's component name; false for "OFF" and components without a sound.
  bool soundOptionMouseDown(std::wstring_view component);

 private:
  const Settings& settings_;
  Sound& sound_;
  ModelTimer& effectTimer_;
  std::function<void()> resetEffectPhase_;
};

}  // namespace tikora
