// A second at rest costs what changed in it: with only the clock showing, a second in which
// nothing but the hands and the time text move makes no heap allocation in the program's models.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <new>

#include "tests/unit/program_fixture.h"

namespace {
std::atomic<bool> counting{false};
std::atomic<int> allocations{0};
}  // namespace

// Every allocation of this test program passes here; only those made while `counting` is set
// are counted.
void* operator new(std::size_t size) {
  if (counting.load(std::memory_order_relaxed)) allocations.fetch_add(1, std::memory_order_relaxed);
  if (void* block = std::malloc(size ? size : 1)) return block;
  throw std::bad_alloc();
}
// These replacements pair malloc with free; the compiler, seeing the inlined
// new of a standard container freed here, would take them for a mismatch.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
void operator delete(void* block) noexcept { std::free(block); }
void operator delete(void* block, std::size_t) noexcept { std::free(block); }
#pragma GCC diagnostic pop

namespace tikora {
namespace {

using testing::FakeProgramServices;

TEST(QuietSecondTest, ASecondOfHandsAndTimeTextAllocatesNothing) {
  FakeProgramServices services;
  services.clock.setLocalTime(2024, 3, 9, 14, 21, 40);
  auto program = services.startProgram();
  program->clockWindow().setShowing(true);
  ComponentTable& panel = program->controlPanel()->components();
  // Every timer of a quiet second, as the view runs them.
  const auto second = [&] {
    services.clock.advance(std::chrono::seconds(1));
    for (const auto& timer : panel.timers())
      if (timer.timer->enabled() && timer.timer->interval() <= 1000) panel.tick(timer.name);
  };
  for (int warm = 0; warm < 25; ++warm) second();  // past the hands' redraw at :50 and :00

  for (int quiet = 0; quiet < 12; ++quiet) {  // 14:22:06 to 14:22:17, a redraw of the hands among them
    allocations = 0;
    counting = true;
    second();
    counting = false;
    EXPECT_EQ(allocations.load(), 0) << "at second " << services.clock.now().second;
  }
}

}  // namespace
}  // namespace tikora
