// The full-hour digit animations; see digit_animation.h.
#include "clock/digit_animation.h"

#include <array>
#include <span>
#include <string>

#include "clock/settings_schema.h"
#include "clock/text_overlays.h"
#include "face/digits.h"
#include "face/ring.h"

namespace tikora {
namespace {

struct EffectButton {
  bool Settings::*setting;
  DigitEffect effect;
  std::uint32_t intervalMs;
};

// The "By Visiual Effect" buttons "1" to "12" and the interval of their effect's steps.
using S = Settings;
constexpr EffectButton kEffectButtons[] = {
    {&S::hourEffect1, DigitEffect::RunningGap, 100},  {&S::hourEffect2, DigitEffect::RunningGapColour, 100},
    {&S::hourEffect3, DigitEffect::ColourFlash, 100}, {&S::hourEffect4, DigitEffect::Blink, 500},
    {&S::hourEffect5, DigitEffect::BlinkColour, 500}, {&S::hourEffect6, DigitEffect::RotatingDiameter, 100},
    {&S::hourEffect7, DigitEffect::Scissors, 100},    {&S::hourEffect8, DigitEffect::OddAndEven, 100},
    {&S::hourEffect9, DigitEffect::FadingSweep, 100}, {&S::hourEffect10, DigitEffect::Shuffle, 100},
    {&S::hourEffect11, DigitEffect::Scatter, 150},    {&S::hourEffect12, DigitEffect::PulsingRing, 100},
};

struct DigitSet {
  int count;
  std::array<int, 4> digits;
  std::span<const int> list() const { return {digits.data(), std::size_t(count)}; }
};

// Effects 7 and 9: the digits each phase shows (scissors) or hides (fading sweep), in the order
// the blades move.
constexpr DigitSet kBladePhases[6] = {
    {4, {1, 7, 11, 5}}, {4, {2, 8, 10, 4}}, {2, {3, 9}}, {4, {4, 10, 8, 2}}, {4, {5, 11, 7, 1}}, {2, {6, 12}},
};

// A phase step run through 1 .. `phases`: one above the last starts again at 1.
int phaseIn(std::int32_t& step, int phases) {
  if (step > phases) step = 1;
  return step++;
}

}  // namespace

std::optional<DigitEffect> chosenDigitEffect(const Settings& settings) {
  // "OFF" wins over any other button a stored record may also have selected, as when the
  // second tick decides whether to start the timer.
  if (settings.hourEffectOff) return std::nullopt;
  const bool Settings::*chosen = selectedRadioButton(settings, kRadioHourEffect);
  for (const EffectButton& button : kEffectButtons)
    if (chosen && button.setting == chosen) return button.effect;
  return std::nullopt;
}

std::uint32_t digitEffectInterval(DigitEffect effect) {
  for (const EffectButton& button : kEffectButtons)
    if (button.effect == effect) return button.intervalMs;
  return 100;
}

// ---- Timer ----

void DigitAnimation::resetEffectPhase() {
  phaseStep_ = 1;
  oddEven_ = true;
}

void DigitAnimation::onEffectTick(int minute) {
  const std::optional<DigitEffect> effect = chosenDigitEffect(settings_);
  if (minute != 0 || !effect) {
    timer_.stop();
    restoreDigits();
    return;
  }
  timer_.setInterval(digitEffectInterval(*effect));
  step(*effect);
}

void DigitAnimation::onEffectOff() {
  if (chosenDigitEffect(settings_) || !timer_.enabled()) return;
  timer_.stop();
  restoreDigits();
}

void DigitAnimation::restoreDigits() {
  // Texts and places come back even while the digits are off, so that switching them on again
  // shows them on the ring and not where the last effect left them.
  for (int n = 1; n <= kDigitCount; ++n) colour(n, settings_.digitColour);
  placeDigitLabels(clock_, metrics_);
  const DigitSwitches switches{settings_.digitsOff, settings_.weekdayOff, settings_.dateOff};
  for (int n = 1; n <= kDigitCount; ++n) show(n, digitVisible(n, switches));
}

// ---- Helpers ----

bool DigitAnimation::shownBesideLabels(int digit) const {
  return digitVisible(digit, DigitSwitches{false, settings_.weekdayOff, settings_.dateOff});
}

void DigitAnimation::show(int digit, bool visible) { clock_.setVisible(digitComponent(digit), visible); }

void DigitAnimation::colour(int digit, Colour colour) { clock_.setColour(digitComponent(digit), colour); }

Colour DigitAnimation::randomColour() { return Colour(random_.uniform(0, kRandomColourMax)); }

void DigitAnimation::showOnly(std::span<const int> digits) {
  for (int n = 1; n <= kDigitCount; ++n) show(n, false);
  for (int n : digits) show(n, true);
}

// ---- Effects ----

void DigitAnimation::step(DigitEffect effect) {
  switch (effect) {
    case DigitEffect::RunningGap: return runningGap(false);
    case DigitEffect::RunningGapColour: return runningGap(true);
    case DigitEffect::ColourFlash: return colourFlash();
    case DigitEffect::Blink: return blink(false);
    case DigitEffect::BlinkColour: return blink(true);
    case DigitEffect::RotatingDiameter: return rotatingDiameter();
    case DigitEffect::Scissors: return scissors();
    case DigitEffect::OddAndEven: return oddAndEven();
    case DigitEffect::FadingSweep: return fadingSweep();
    case DigitEffect::Shuffle: return shuffle();
    case DigitEffect::Scatter: return scatter();
    case DigitEffect::PulsingRing: return pulsingRing();
  }
}

void DigitAnimation::runningGap(bool recolour) {
  // Step d shows digit d and hides the one after it; step 0 closes the gap at 1. Digits 3 and 9
  // come back only where the date and the weekday leave room for them.
  const int d = dialStep_;
  if (d == 0) {
    show(1, true);
    if (recolour) colour(12, randomColour());
  } else {
    show(d, shownBesideLabels(d));
    show(d == kDigitCount ? 1 : d + 1, false);
    if (recolour) colour(d, randomColour());
  }
  dialStep_ = d >= kDigitCount ? 0 : d + 1;
}

void DigitAnimation::colourFlash() {
  const Colour flash = randomColour();
  for (int n = 1; n <= kDigitCount; ++n) colour(n, flash);
  show(3, shownBesideLabels(3));
  show(9, shownBesideLabels(9));
}

void DigitAnimation::blink(bool recolour) {
  if (dialStep_ % 2 != 0) {
    if (recolour) {
      const Colour flash = randomColour();
      for (int n = 1; n <= kDigitCount; ++n) colour(n, flash);
    }
    for (int n = 1; n <= kDigitCount; ++n) show(n, shownBesideLabels(n));
  } else {
    for (int n = 1; n <= kDigitCount; ++n) show(n, false);
  }
  dialStep_ = dialStep_ >= kDigitCount ? 1 : dialStep_ + 1;
}

void DigitAnimation::rotatingDiameter() {
  const int p = phaseIn(phaseStep_, 6);
  const int pair[] = {p, p + 6};
  showOnly(pair);
}

void DigitAnimation::scissors() { showOnly(kBladePhases[phaseIn(phaseStep_, 6) - 1].list()); }

void DigitAnimation::oddAndEven() {
  const bool oddShown = phaseIn(phaseStep_, 2) == 2;
  for (int n = 1; n <= kDigitCount; ++n) show(n, (n % 2 != 0) == oddShown);
}

void DigitAnimation::fadingSweep() {
  for (int n = 1; n <= kDigitCount; ++n) {
    show(n, true);
    colour(n, randomColour());
  }
  for (int n : kBladePhases[phaseIn(phaseStep_, 6) - 1].list()) show(n, false);
}

void DigitAnimation::shuffle() {
  for (int n = 1; n <= kDigitCount; ++n) {
    const ClockComponent digit = digitComponent(n);
    clock_.setText(digit, std::to_wstring(random_.uniform(1, kDigitCount)));
    clock_.autoSize(digit, metrics_);
    colour(n, randomColour());
  }
}

void DigitAnimation::scatter() {
  for (int n = 1; n <= kDigitCount; ++n) {
    const int left = random_.uniform(kScatterMin, kScatterMax);
    const int top = random_.uniform(kScatterMin, kScatterMax);
    clock_.setPosition(digitComponent(n), left, top);
  }
}

void DigitAnimation::pulsingRing() {
  const int radius = random_.uniform(1, kPulseRadiusMax);
  const Colour pulse = randomColour();
  for (int n = oddEven_ ? 1 : 2; n <= kDigitCount; n += 2) {
    const ClockComponent digit = digitComponent(n);
    clock_.setText(digit, digitText(n));
    clock_.autoSize(digit, metrics_);
    const Rect& box = clock_.layer(digit).bounds;
    const Point centre = ringPosition(radius, 30.0 * n - 1350.0);
    clock_.setPosition(digit, centre.x - box.width / 2, centre.y - box.height / 2);
    colour(n, pulse);
  }
  oddEven_ = !oddEven_;
}

}  // namespace tikora
