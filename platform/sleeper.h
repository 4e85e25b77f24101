// Waiting a few milliseconds on the calling thread: the pauses between the steps of the
// ticker's fades. The Win32 side lets the window show the step before it waits.
#pragma once
#include <cstdint>

namespace tikora {

class Sleeper {
 public:
  virtual ~Sleeper() = default;
  virtual void sleep(std::uint32_t milliseconds) = 0;
};

}  // namespace tikora
