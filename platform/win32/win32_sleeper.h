// Pauses on the calling thread with Sleep. A window whose fade should show each step wraps it
// to bring its changed states onto the window before the wait.
#pragma once
#include <windows.h>

#include "platform/sleeper.h"

namespace tikora {

class Win32Sleeper : public Sleeper {
 public:
  void sleep(std::uint32_t milliseconds) override { Sleep(milliseconds); }
};

}  // namespace tikora
