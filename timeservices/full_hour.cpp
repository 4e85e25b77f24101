// The full-hour chime and the hand-over to the visual effect; see full_hour.h.
#include "timeservices/full_hour.h"

#include <array>
#include <utility>

#include "clock/control_panel_names.h"

namespace tikora {
namespace {

struct SoundOption {
  bool Settings::*field;
  std::wstring_view component;
};

// Options "1" to "12" of "By Sound Effect" in order.
constexpr std::array<SoundOption, 12> kSoundOptions{{
    {&Settings::hourSound1, kHourSound1Button},
    {&Settings::hourSound2, kHourSound2Button},
    {&Settings::hourSound3, kHourSound3Button},
    {&Settings::hourSound4, kHourSound4Button},
    {&Settings::hourSound5, kHourSound5Button},
    {&Settings::hourSound6, kHourSound6Button},
    {&Settings::hourSound7, kHourSound7Button},
    {&Settings::hourSound8, kHourSound8Button},
    {&Settings::hourSound9, kHourSound9Button},
    {&Settings::hourSound10, kHourSound10Button},
    {&Settings::hourSound11, kHourSound11Button},
    {&Settings::hourSound12, kHourSound12Button},
}};

// Options "1" to "12" of "By Visiual Effect".
constexpr std::array<bool Settings::*, 12> kEffectOptions{
    &Settings::hourEffect1, &Settings::hourEffect2,  &Settings::hourEffect3,  &Settings::hourEffect4,
    &Settings::hourEffect5, &Settings::hourEffect6,  &Settings::hourEffect7,  &Settings::hourEffect8,
    &Settings::hourEffect9, &Settings::hourEffect10, &Settings::hourEffect11, &Settings::hourEffect12,
};

}  // namespace

int selectedHourSound(const Settings& s) {
  if (s.hourSoundOff) return 0;
  for (std::size_t i = 0; i < kSoundOptions.size(); ++i)
    if (s.*kSoundOptions[i].field) return static_cast<int>(i) + 1;
  return 0;
}

std::wstring hourSoundName(int option) { return L"dzwiek" + std::to_wstring(option); }

std::optional<int> hourSoundOption(std::wstring_view component) {
  for (std::size_t i = 0; i < kSoundOptions.size(); ++i)
    if (kSoundOptions[i].component == component) return static_cast<int>(i) + 1;
  return std::nullopt;
}

bool visualEffectChosen(const Settings& s) {
  if (s.hourEffectOff) return false;
  for (const auto field : kEffectOptions)
    if (s.*field) return true;
  return false;
}

void FullHour::chime(int minute, int second) {
  if (minute != 0 || second != 0) return;
  const int option = selectedHourSound(settings_);
  if (option != 0) sound_.playAsyncOnce(hourSoundName(option));
}

void FullHour::startVisualEffect(int minute) {
  if (minute != 0 || !visualEffectChosen(settings_) || effectTimer_.enabled()) return;
  effectTimer_.start();
  if (resetEffectPhase_) resetEffectPhase_();
}

void FullHour::previewSound(int option) {
  if (option >= 1 && option <= 12) sound_.playAsyncOnce(hourSoundName(option));
}

bool FullHour::soundOptionMouseDown(std::wstring_view component) {
  const std::optional<int> option = hourSoundOption(component);
  if (!option) return false;
  previewSound(*option);
  return true;
}

}  // namespace tikora
