// Budgets of the hand rendering (native build, optimised):
//   BM_SecondHandTable  painting, smoothing and rotating all sixty second hand pictures  <= 10 ms
//   BM_HourMinuteHands  rendering the hour and minute hands together                      <= 1 ms
//   BM_FaceTick         a face tick that only copies the second hand entry                <= 0.1 ms
// The hands are stand-ins as heavy as the widest hand style allows: every pixel of the hand
// window from the tip row down is part of the hand (21 pixels wide), with red, grey and
// near-black details, so real styles can only be cheaper.
#include <benchmark/benchmark.h>

#include "face/hand_picture.h"
#include "face/hands.h"
#include "face/second_hand_table.h"

namespace tikora {
namespace {

PixelList heavyHand(int tipRow) {
  PixelList hand;
  for (int y = tipRow; y <= kHandWindowBottom; ++y)
    for (int x = kHandWindowLeft; x <= kHandWindowRight; ++x) {
      Colour colour = 0x000000;
      if (y < tipRow + 6)
        colour = 0x0000FF;  // red tip
      else if (x == kHandPivotX && y < 100)
        colour = 0xA0A0A0;  // grey stripe
      else if (y >= 116 && y <= 124 && x >= 116 && x <= 124)
        colour = 0x101010;  // hub
      hand.push_back({x, y, colour});
    }
  return hand;
}

HandLists heavyHands() { return {heavyHand(56), heavyHand(44), heavyHand(32)}; }

constexpr Colour kHandColour = 0x00000000;
constexpr Colour kBackground = 0x02FEFFFF;

void BM_SecondHandTable(benchmark::State& state) {
  const PixelList second = heavyHands().second;
  SecondHandTable table;
  table.rebuild(second, kHandColour, kBackground);  // entries allocated as at start
  // A background change each time: every picture of the table is rewritten whole (a hand colour
  // change, with the same background, only rewrites around the hands and is faster).
  const Colour backgrounds[] = {kBackground, 0x00406080};
  int n = 0;
  for (auto _ : state) {
    table.rebuild(second, kHandColour, backgrounds[++n & 1]);
    benchmark::DoNotOptimize(table.entry(59).row(0));
  }
}
BENCHMARK(BM_SecondHandTable)->Unit(benchmark::kMillisecond);

void BM_HourMinuteHands(benchmark::State& state) {
  ClockHands hands;
  hands.setHandLists(heavyHands());
  hands.setHandColour(kHandColour);
  hands.setBackground(kBackground);
  int minute = 0;
  for (auto _ : state) {
    // A different angle each time: 10:mm:20.
    hands.renderHourHand(10, minute);
    hands.renderMinuteHand(minute, 20);
    minute = (minute + 7) % 60;
    benchmark::DoNotOptimize(hands.minuteLayer().row(0));
  }
}
BENCHMARK(BM_HourMinuteHands)->Unit(benchmark::kMicrosecond);

void BM_FaceTick(benchmark::State& state) {
  ClockHands hands;
  hands.setHandLists(heavyHands());
  hands.setHandColour(kHandColour);
  hands.setBackground(kBackground);
  hands.rebuildSecondHandTable();
  hands.faceTick(10, 8, 0);  // the start-up render clears the redraw flag
  int second = 1;
  for (auto _ : state) {
    const auto result = hands.faceTick(10, 8, second);
    benchmark::DoNotOptimize(result);
    second = second % 10 == 9 ? second + 2 : second + 1;  // never a tenth second
    if (second >= 60) second = 1;
  }
}
BENCHMARK(BM_FaceTick)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace tikora
