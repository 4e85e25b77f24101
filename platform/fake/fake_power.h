// Power operations for tests: records what was asked, in order, and answers as told. It never
// shuts anything down.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/power.h"

namespace tikora {

enum class PowerCallKind { EnableShutdownPrivilege, ExitWindows, HibernateAllowed, Hibernate };

struct PowerCall {
  PowerCallKind kind = PowerCallKind::EnableShutdownPrivilege;
  std::uint32_t flags = 0;   // ExitWindows only
  std::uint32_t reason = 0;  // ExitWindows only

  friend bool operator==(const PowerCall&, const PowerCall&) = default;
};

class FakePower : public Power {
 public:
  bool enableShutdownPrivilege() override;
  bool exitWindows(std::uint32_t flags, std::uint32_t reason) override;
  bool hibernateAllowed() override;
  bool hibernate() override;

  // Answers (all true by default).
  void setPrivilegeGranted(bool granted) { privilegeGranted_ = granted; }
  void setExitWindowsAccepted(bool accepted) { exitAccepted_ = accepted; }
  void setHibernateAllowed(bool allowed) { hibernateAllowed_ = allowed; }
  void setHibernateAccepted(bool accepted) { hibernateAccepted_ = accepted; }

  const std::vector<PowerCall>& calls() const { return calls_; }
  std::size_t count(PowerCallKind kind) const;
  // The flags of every exitWindows call, in order.
  std::vector<std::uint32_t> exitWindowsFlags() const;
  void clearCalls() { calls_.clear(); }

 private:
  std::vector<PowerCall> calls_;
  bool privilegeGranted_ = true;
  bool exitAccepted_ = true;
  bool hibernateAllowed_ = true;
  bool hibernateAccepted_ = true;
};

}  // namespace tikora
