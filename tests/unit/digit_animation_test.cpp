// The full-hour digit animations: which digits each effect shows step by step, the colours,
// texts and places it draws from a scripted random source (with the ranges it asks for), the
// dial step that goes on from hour to hour, the restore after minute 0, "OFF" in mid-effect, and
// a minute 0 run from the second tick with a seeded source.
#include "clock/digit_animation.h"
#include "clock/settings_schema.h"

#include <gtest/gtest.h>

#include <deque>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "clock/text_overlays.h"
#include "face/digits.h"
#include "platform/fake/fake_text_metrics.h"
#include "tests/unit/time_services_fixture.h"
#include "timeservices/time_services.h"

namespace tikora {
namespace {

// Gives the numbers a test queues (the low end once they run out) and keeps every range asked.
class ScriptedRandom final : public RandomSource {
 public:
  int uniform(int low, int high) override {
    asked.emplace_back(low, high);
    if (next.empty()) return low;
    const int value = next.front();
    next.pop_front();
    return value;
  }
  std::deque<int> next;
  std::vector<std::pair<int, int>> asked;
};

using Range = std::pair<int, int>;
const Range kColourRange{0, 0xFFFFFE};
constexpr Colour kDigitColour = 0x0000FF;

std::vector<ClockLayer> digitStates(const ClockWindowModel& clock) {
  std::vector<ClockLayer> all;
  for (int n = 1; n <= kDigitCount; ++n) all.push_back(clock.layer(digitComponent(n)));
  return all;
}

// The clock's digits as the face puts them at start (8 pt: 5 px a character, 13 px high), with
// the weekday and the date shown, so that 3 and 9 give way to them.
struct Bench {
  explicit Bench(bool Settings::*effect, bool digitsOff = false) {
    selectRadioButton(settings, effect);
    settings.weekdayOff = settings.dateOff = false;
    settings.digitsOff = digitsOff;
    settings.digitColour = kDigitColour;
    placeDigitLabels(clock, metrics);
    for (int n = 1; n <= kDigitCount; ++n) {
      clock.setColour(digitComponent(n), kDigitColour);
      clock.setVisible(digitComponent(n), digitVisible(n, {digitsOff, false, false}));
    }
    timer4.start();
    animation.resetEffectPhase();
  }
  const ClockLayer& digit(int n) const { return clock.layer(digitComponent(n)); }
  // '#' for a shown digit, '.' for a hidden one, digits 1 to 12.
  std::string shown() const {
    std::string marks;
    for (int n = 1; n <= kDigitCount; ++n) marks += digit(n).visible ? '#' : '.';
    return marks;
  }
  std::vector<ClockLayer> digits() const { return digitStates(clock); }

  ClockWindowModel clock;
  Settings settings;
  FakeTextMetrics metrics;
  ScriptedRandom random;
  ModelTimer timer4{1000, false};
  DigitAnimation animation{clock, settings, metrics, random, timer4};
};

TEST(DigitAnimation, EachButtonChoosesItsEffectAndInterval) {
  const std::pair<bool Settings::*, std::uint32_t> buttons[] = {
      {&Settings::hourEffect1, 100},  {&Settings::hourEffect2, 100},  {&Settings::hourEffect3, 100},
      {&Settings::hourEffect4, 500},  {&Settings::hourEffect5, 500},  {&Settings::hourEffect6, 100},
      {&Settings::hourEffect7, 100},  {&Settings::hourEffect8, 100},  {&Settings::hourEffect9, 100},
      {&Settings::hourEffect10, 100}, {&Settings::hourEffect11, 150}, {&Settings::hourEffect12, 100}};
  int number = 0;
  for (const auto& [button, interval] : buttons) {
    Bench bench(button);
    EXPECT_EQ(chosenDigitEffect(bench.settings), DigitEffect(++number)) << "button " << number;
    bench.animation.onEffectTick(0);  // the first step came at the design interval, 1000 ms
    EXPECT_EQ(bench.timer4.interval(), interval) << "button " << number;
  }
  EXPECT_FALSE(chosenDigitEffect(Bench(&Settings::hourEffectOff).settings));
}

TEST(DigitAnimation, VisibilityStepByStep) {
  struct Case {
    bool Settings::*effect;
    bool digitsOff;
    std::vector<std::string> steps;
  };
  const Case cases[] = {
      // Running gap from dial step 0; at step 3 digit 3 stays behind the date.
      {&Settings::hourEffect1, false, {"##.#####.###", "#..#####.###", "##.#####.###", "##..####.###"}},
      // Blink: even steps hide, odd steps show, with the digits' own "OFF" ticked too.
      {&Settings::hourEffect4, true, {"............", "##.#####.###", "............"}},
      // Effects 6 to 9 round their phases and back to 1; 3 and 9 show under the labels.
      {&Settings::hourEffect6,
       false,
       {"#.....#.....", ".#.....#....", "..#.....#...", "...#.....#..", "....#.....#.", ".....#.....#",
        "#.....#....."}},
      {&Settings::hourEffect7,
       false,
       {"#...#.#...#.", ".#.#...#.#..", "..#.....#...", ".#.#...#.#..", "#...#.#...#.", ".....#.....#",
        "#...#.#...#."}},
      {&Settings::hourEffect8, false, {".#.#.#.#.#.#", "#.#.#.#.#.#.", ".#.#.#.#.#.#"}},
      {&Settings::hourEffect9,
       false,
       {".###.#.###.#", "#.#.###.#.##", "##.#####.###", "#.#.###.#.##", ".###.#.###.#", "#####.#####.",
        ".###.#.###.#"}},
      // The colour flash puts 3 and 9 back where the labels stand, touching nothing else.
      {&Settings::hourEffect3, false, {"##.#####.###"}},
  };
  for (const Case& c : cases) {
    Bench bench(c.effect, c.digitsOff);
    for (std::size_t i = 0; i < c.steps.size(); ++i) {
      bench.animation.onEffectTick(0);
      EXPECT_EQ(bench.shown(), c.steps[i]) << std::wstring(settingOf(c.effect).name) << " step " << i + 1;
    }
  }
}

TEST(DigitAnimation, DialStepWrapsAndGoesOnInTheNextHour) {
  Bench gap(&Settings::hourEffect1);
  for (int i = 0; i < 12; ++i) gap.animation.onEffectTick(0);
  EXPECT_EQ(gap.animation.dialStep(), 12);
  gap.animation.onEffectTick(0);  // step 12 hides digit 1
  EXPECT_EQ(gap.shown(), ".#.#####.###");
  EXPECT_EQ(gap.animation.dialStep(), 0);
  for (int i = 0; i < 4; ++i) gap.animation.onEffectTick(0);
  gap.animation.onEffectTick(1);  // the minute is over: stopped, the dial step kept
  EXPECT_FALSE(gap.timer4.enabled());
  gap.timer4.start();
  gap.animation.resetEffectPhase();
  gap.animation.onEffectTick(0);
  EXPECT_EQ(gap.shown(), "##.#.###.###") << "the next hour's first step is step 4";

  // Blink counts 12 -> 1, so shown and hidden keep alternating across the wrap.
  Bench blink(&Settings::hourEffect4);
  std::string marks;
  for (int i = 0; i < 15; ++i) {
    blink.animation.onEffectTick(0);
    marks += blink.digit(1).visible ? '#' : '.';
  }
  EXPECT_EQ(marks, ".#.#.#.#.#.#.#.");
  EXPECT_EQ(blink.animation.dialStep(), 3);
}

TEST(DigitAnimation, RandomColoursTextsAndPlaces) {
  // Running gap with colour: step 0 recolours digit 12, steps 1 and 2 digits 1 and 2.
  Bench gap(&Settings::hourEffect2);
  gap.random.next = {0x111111, 0x222222, 0x333333};
  for (int i = 0; i < 3; ++i) gap.animation.onEffectTick(0);
  EXPECT_EQ(gap.digit(12).textColour, 0x111111u);
  EXPECT_EQ(gap.digit(1).textColour, 0x222222u);
  EXPECT_EQ(gap.digit(2).textColour, 0x333333u);
  EXPECT_EQ(gap.digit(3).textColour, kDigitColour);
  EXPECT_EQ(gap.random.asked, std::vector<Range>(3, kColourRange));

  // Shuffle: a number from 1 to 12 and a colour for each digit, sized to its text, left and top
  // kept.
  Bench shuffle(&Settings::hourEffect10);
  const Rect before = shuffle.digit(10).bounds;
  for (int n = 1; n <= kDigitCount; ++n) shuffle.random.next.insert(shuffle.random.next.end(), {13 - n, n});
  shuffle.animation.onEffectTick(0);
  EXPECT_EQ(shuffle.digit(1).text, L"12");
  EXPECT_EQ(shuffle.digit(10).text, L"3");
  EXPECT_EQ(shuffle.digit(10).textColour, 10u);
  EXPECT_EQ(shuffle.digit(10).bounds, (Rect{before.left, before.top, 5, 13}));
  EXPECT_EQ(shuffle.random.asked[0], Range(1, 12));
  EXPECT_EQ(shuffle.random.asked[1], kColourRange);

  // Scatter: left then top, each from 54 to 185.
  Bench scatter(&Settings::hourEffect11);
  scatter.random.next = {54, 185, 100, 60};
  scatter.animation.onEffectTick(0);
  EXPECT_EQ(scatter.digit(1).bounds, (Rect{54, 185, 15, 13}));
  EXPECT_EQ(scatter.digit(2).bounds, (Rect{100, 60, 15, 13}));
  EXPECT_EQ(scatter.random.asked, std::vector<Range>(24, Range(54, 185)));
}

TEST(DigitAnimation, PulsingRingMovesOddThenEvenDigits) {
  Bench ring(&Settings::hourEffect12);
  ring.random.next = {30, 0x00FF00, 73, 0x0000AA};
  const Rect evenBefore = ring.digit(2).bounds;
  ring.animation.onEffectTick(0);
  EXPECT_EQ(ring.random.asked, (std::vector<Range>{{1, 73}, kColourRange}));
  // Digit 3 (angle -1260) on radius 30 is centred at (150, 120); " 3 " is 15 x 13.
  EXPECT_EQ(ring.digit(3).bounds, (Rect{143, 114, 15, 13}));
  EXPECT_EQ(ring.digit(3).textColour, 0x00FF00u);
  EXPECT_EQ(ring.digit(2).bounds, evenBefore);
  EXPECT_FALSE(ring.animation.oddEvenSwitch());
  ring.animation.onEffectTick(0);
  // Digit 12 (angle -990) on radius 73 is centred at (121, 47); " 12 " is 20 x 13.
  EXPECT_EQ(ring.digit(12).bounds, (Rect{111, 41, 20, 13}));
  EXPECT_EQ(ring.digit(12).textColour, 0x0000AAu);
  EXPECT_EQ(ring.digit(3).textColour, 0x00FF00u);
  EXPECT_TRUE(ring.animation.oddEvenSwitch());
}

TEST(DigitAnimation, RestorePutsEveryDigitBackExactly) {
  for (const bool digitsOff : {false, true}) {
    Bench bench(&Settings::hourEffect11, digitsOff);
    const std::vector<ClockLayer> start = bench.digits();
    bench.random.next = {1, 2, 3};
    // The effect may change while it runs: each takes over at the next step.
    for (bool Settings::*effect : {&Settings::hourEffect11, &Settings::hourEffect10, &Settings::hourEffect12,
                                   &Settings::hourEffect9, &Settings::hourEffect2}) {
      selectRadioButton(bench.settings, effect);
      bench.animation.onEffectTick(0);
    }
    ASSERT_NE(bench.digits(), start);
    bench.animation.onEffectTick(1);
    EXPECT_FALSE(bench.timer4.enabled());
    EXPECT_EQ(bench.digits(), start) << "digits off: " << digitsOff;
  }
}

TEST(DigitAnimation, OffStopsAndRestoresAtOnce) {
  Bench bench(&Settings::hourEffect11);
  const std::vector<ClockLayer> start = bench.digits();
  bench.animation.onEffectTick(0);
  selectRadioButton(bench.settings, &Settings::hourEffectOff);
  bench.animation.onEffectOff();
  EXPECT_FALSE(bench.timer4.enabled());
  EXPECT_EQ(bench.digits(), start);
}

// The program started at 10:00:30 with the scatter effect: the first second tick starts Timer4,
// its ticks scatter the digits with a seeded source, the first one in minute 1 stops it and puts
// them back, and the second tick does not start it again.
class DigitAnimationRun : public testing::TimeServicesBench {};

TEST_F(DigitAnimationRun, StartedInMinuteZeroRunsToTheEndOfTheMinute) {
  selectRadioButton(settings, &Settings::hourEffect11);
  selectRadioButton(settings, &Settings::voiceOff);  // no spoken time
  placeDigitLabels(window, metrics);
  for (int n = 1; n <= kDigitCount; ++n) window.setColour(digitComponent(n), settings.digitColour);
  const std::vector<ClockLayer> start = digitStates(window);
  SeededRandom seeded(20240101);
  TickTime tickTime;
  TimeServicesSetup setup;
  std::unique_ptr<DigitAnimation> effect;
  setup.resetEffectPhase = [&] { effect->resetEffectPhase(); };
  setup.tickTime = &tickTime;
  TimeServices services(context, std::move(setup));
  ModelTimer& timer4 = services.effectTimer();
  effect = std::make_unique<DigitAnimation>(window, settings, metrics, seeded, timer4);
  DigitAnimation& animation = *effect;

  clock.setLocalTime(2024, 1, 1, 10, 0, 30);
  services.secondTick.onSecondTick();
  ASSERT_TRUE(timer4.enabled());
  int steps = 0;
  for (; steps < 1000 && timer4.enabled(); ++steps) {
    animation.onEffectTick(tickTime.minute);
    if (steps == 0) {
      EXPECT_NE(digitStates(window), start);
    }
    if (steps % 7 == 6) {  // a second tick every seventh step of 150 ms
      clock.advance(std::chrono::seconds(1));
      services.secondTick.onSecondTick();
    }
  }
  EXPECT_EQ(steps, 30 * 7 + 1) << "30 seconds of steps, then the one that stops";
  EXPECT_EQ(digitStates(window), start);
  services.secondTick.onSecondTick();
  EXPECT_FALSE(timer4.enabled()) << "no new start in minute 1";
}

TEST(SeededRandom, SameSeedSameNumbersBothEndsIncluded) {
  SeededRandom first(7), second(7);
  std::set<int> seen;
  for (int i = 0; i < 1000; ++i) {
    const int value = first.uniform(54, 185);
    ASSERT_EQ(value, second.uniform(54, 185));
    seen.insert(value);
  }
  EXPECT_EQ(seen.size(), 132u);
  EXPECT_EQ(*seen.begin(), 54);
  EXPECT_EQ(*seen.rbegin(), 185);
}

}  // namespace
}  // namespace tikora
