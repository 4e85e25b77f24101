// Pauses for tests: nothing waits; every pause asked for is recorded, and a test may run
// something at each pause (to look at a fade's step as the window would show it).
#pragma once
#include <cstdint>
#include <functional>
#include <vector>

#include "platform/sleeper.h"

namespace tikora {

class FakeSleeper : public Sleeper {
 public:
  void sleep(std::uint32_t milliseconds) override {
    pauses.push_back(milliseconds);
    if (onPause) onPause(milliseconds);
  }

  std::vector<std::uint32_t> pauses;
  std::function<void(std::uint32_t)> onPause;
};

}  // namespace tikora
