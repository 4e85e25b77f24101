// Random numbers for what the program leaves to chance (the colours and places of the full-hour
// digit animations). Code that draws numbers takes a RandomSource, so a test can seed it, or
// script the numbers it gives, and check exact results.
#pragma once
#include <cstdint>
#include <random>

namespace tikora {

class RandomSource {
 public:
  virtual ~RandomSource() = default;
  // A uniform integer from `low` to `high`, both included; `low` when `high` is below it.
  virtual int uniform(int low, int high) = 0;
};

// The 32-bit Mersenne Twister with a fixed seed. Both the engine and the way its words are
// brought into a range (rejection, then the remainder) are fixed here rather than left to the
// standard library, so a seed gives the same numbers on every platform and compiler.
class SeededRandom final : public RandomSource {
 public:
  explicit SeededRandom(std::uint32_t seed) : engine_(seed) {}
  int uniform(int low, int high) override;

 private:
  std::mt19937 engine_;
};

}  // namespace tikora
