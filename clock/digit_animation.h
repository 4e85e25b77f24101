// The full-hour digit animations: during minute 0 of every hour the twelve digit labels of the
// clock (the digit layers 1 to 12) run one of twelve effects, chosen in the control panel's "By Visiual
// Effect" group, one step per tick of the control panel's effect timer. The first step
// after the minute stops the timer and puts every digit back: text " n ", place on the digit
// ring, the digit colour and the visibility the "OFF" switches give.
//
// The second tick starts the timer (and calls resetEffectPhase) in minute 0; the timer's ticks
// run onEffectTick with the minute the second tick last sampled. Choosing "OFF" while an effect
// runs stops the timer and puts the digits back at once (onEffectOff).
//
// Effect state lives as long as the program: the dial step of effects 1 to 5 is never reset, so
// they go on in the next hour where they stopped; the phase step of effects 6 to 9 and the
// odd/even switch of effect 12 start afresh with every effect.
#pragma once
#include <cstdint>
#include <optional>
#include <span>

#include "clock/clock_window_model.h"
#include "clock/settings.h"
#include "core/component.h"
#include "core/random.h"
#include "platform/text_metrics.h"

namespace tikora {

enum class DigitEffect {
  RunningGap = 1,    // "1": a gap runs clockwise round the dial
  RunningGapColour,  // "2": the same, each shown digit recoloured
  ColourFlash,       // "3": all twelve in one new colour
  Blink,             // "4": all shown, all hidden
  BlinkColour,       // "5": the same, a new colour each time they show
  RotatingDiameter,  // "6": two opposite digits at a time, turning
  Scissors,          // "7": two pairs closing and opening like scissors
  OddAndEven,        // "8": odd and even digits by turns
  FadingSweep,       // "9": all in colours, then a sweep hides some
  Shuffle,           // "10": random numbers in random colours
  Scatter,           // "11": random places
  PulsingRing,       // "12": half the digits on a ring of random radius, by turns
};

// The effect chosen in the settings ("hour_effect" group); nothing for "OFF" or no choice.
std::optional<DigitEffect> chosenDigitEffect(const Settings& settings);
// The timer interval the effect's steps run at: 500 ms for effects 4 and 5, 150 ms for 11,
// 100 ms for the others.
std::uint32_t digitEffectInterval(DigitEffect effect);

// Random colours run from 0 to 0xFFFFFE; scattered digits stand with their left and their top
// each from 54 to 185; the pulsing ring's radius is 1 to 73.
inline constexpr int kRandomColourMax = 0xFFFFFE;
inline constexpr int kScatterMin = 54;
inline constexpr int kScatterMax = 185;
inline constexpr int kPulseRadiusMax = 73;

class DigitAnimation {
 public:
  // Everything given must outlive the animation. `settings` are read at every step, so a change
  // of the effect takes hold at the next one.
  DigitAnimation(ClockWindowModel& clock, const Settings& settings, const TextMetrics& metrics, RandomSource& random,
                 ModelTimer& timer)
      : clock_(clock), settings_(settings), metrics_(metrics), random_(random), timer_(timer) {}

  DigitAnimation(const DigitAnimation&) = delete;
  DigitAnimation& operator=(const DigitAnimation&) = delete;

  // An effect starts (the second tick has just started the effect timer): phase step 1, odd/even true.
  void resetEffectPhase();

  // One tick of the effect timer, with the minute as the second tick last sampled it. In minute 0 the
  // timer takes the chosen effect's interval and the effect takes one step. Outside minute 0,
  // or with no effect chosen, the timer stops and the digits are put back.
  void onEffectTick(int minute);

  // "OFF" (RadioButton27) chosen: a running effect stops at once and the digits are put back.
  void onEffectOff();

  // Every digit back to its text " n ", its place on the digit ring in its font, the digit
  // colour and the visibility of the digits', weekday's and date's "OFF" switches.
  void restoreDigits();

  // ---- State ----
  std::int32_t dialStep() const { return dialStep_; }
  std::int32_t phaseStep() const { return phaseStep_; }
  bool oddEvenSwitch() const { return oddEven_; }

 private:
  void step(DigitEffect effect);
  void runningGap(bool recolour);
  void colourFlash();
  void blink(bool recolour);
  void showOnly(std::span<const int> digits);
  void rotatingDiameter();
  void scissors();
  void oddAndEven();
  void fadingSweep();
  void shuffle();
  void scatter();
  void pulsingRing();

  // Whether a digit shows by the weekday and date switches alone (3 and 9 give way to the date
  // and the weekday); what effects 1 to 5 use, whatever the digits' own "OFF" says.
  bool shownBesideLabels(int digit) const;
  void show(int digit, bool visible);
  void colour(int digit, Colour colour);
  Colour randomColour();

  ClockWindowModel& clock_;
  const Settings& settings_;
  const TextMetrics& metrics_;
  RandomSource& random_;
  ModelTimer& timer_;  // the control panel's effect timer
  std::int32_t dialStep_ = 0;
  std::int32_t phaseStep_ = 1;
  bool oddEven_ = true;
};

}  // namespace tikora
