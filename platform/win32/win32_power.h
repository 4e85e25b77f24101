// Shutdown privilege, ExitWindowsEx and hibernation through the power management library.
#pragma once
#include "platform/power.h"

namespace tikora {

class Win32Power : public Power {
 public:
  bool enableShutdownPrivilege() override;
  bool exitWindows(std::uint32_t flags, std::uint32_t reason) override;
  bool hibernateAllowed() override;
  bool hibernate() override;
};

}  // namespace tikora
