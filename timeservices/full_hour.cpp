// The full-hour chime and the hand-over to the visual effect; see full_hour.h.
#include "timeservices/full_hour.h"

#include <array>
#include <utility>

namespace tikora {
namespace {

struct SoundOption {
  bool Settings::*field;
  std::wstring_view component;
};

// Options "1" to "12" of "By Sound Effect" in order.
constexpr std::array<SoundOption, 12> kSoundOptions{{
    {&Settings::ra_h1, L"RadioButton16"},
    {&Settings::ra_h2, L"RadioButton17"},
    {&Settings::ra_h3, L"RadioButton18"},
    {&Settings::ra_h4, L"RadioButton19"},
    {&Settings::ra_h5, L"RadioButton20"},
    {&Settings::se_sin, L"RadioButton38"},
    {&Settings::se_sid, L"RadioButton40"},
    {&Settings::se_sdd, L"RadioButton42"},
    {&Settings::se_uyw, L"RadioButton46"},
    {&Settings::se_axv, L"RadioButton49"},
    {&Settings::se_dxd, L"RadioButton62"},
    {&Settings::se_oes, L"RadioButton64"},
}};

// Options "1" to "12" of "By Visiual Effect".
constexpr std::array<bool Settings::*, 12> kEffectOptions{
    &Settings::ra_h7,  &Settings::ra_h8,  &Settings::ra_h9,  &Settings::ra_h10, &Settings::ra_h11, &Settings::se_sro,
    &Settings::se_sre, &Settings::se_srr, &Settings::se_zcv, &Settings::se_ptw, &Settings::se_exe, &Settings::se_oev,
};

}  // namespace

int selectedHourSound(const Settings& s) {
  if (s.ra_h6) return 0;
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
  if (s.ra_h12) return false;
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
