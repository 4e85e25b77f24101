// Shutting down, logging off and hibernating. The caller decides the order of the steps
// (privilege first, then the request); this layer only performs them.
#pragma once
#include <cstdint>

namespace tikora {

// Flags for Power::exitWindows, with the values of the system call.
inline constexpr std::uint32_t kExitLogOff = 0x0;    // EWX_LOGOFF
inline constexpr std::uint32_t kExitForce = 0x4;     // EWX_FORCE
inline constexpr std::uint32_t kExitPowerOff = 0x8;  // EWX_POWEROFF

class Power {
 public:
  virtual ~Power() = default;

  // Enables the shutdown privilege in this process's token; true when it is now enabled.
  virtual bool enableShutdownPrivilege() = 0;
  // Asks the system to end the user's session with `flags`; true when the request was accepted.
  virtual bool exitWindows(std::uint32_t flags, std::uint32_t reason) = 0;
  virtual bool hibernateAllowed() = 0;
  // Requests hibernation (not forced, wake events kept); true when the request was accepted.
  virtual bool hibernate() = 0;
};

}  // namespace tikora
