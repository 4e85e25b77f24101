// Test power operations; see fake_power.h.
#include "platform/fake/fake_power.h"

#include <algorithm>

namespace tikora {

bool FakePower::enableShutdownPrivilege() {
  calls_.push_back({PowerCallKind::EnableShutdownPrivilege});
  return privilegeGranted_;
}

bool FakePower::exitWindows(std::uint32_t flags, std::uint32_t reason) {
  calls_.push_back({PowerCallKind::ExitWindows, flags, reason});
  return exitAccepted_;
}

bool FakePower::hibernateAllowed() {
  calls_.push_back({PowerCallKind::HibernateAllowed});
  return hibernateAllowed_;
}

bool FakePower::hibernate() {
  calls_.push_back({PowerCallKind::Hibernate});
  return hibernateAccepted_;
}

std::size_t FakePower::count(PowerCallKind kind) const {
  return static_cast<std::size_t>(
      std::count_if(calls_.begin(), calls_.end(), [&](const PowerCall& c) { return c.kind == kind; }));
}

std::vector<std::uint32_t> FakePower::exitWindowsFlags() const {
  std::vector<std::uint32_t> flags;
  for (const auto& c : calls_)
    if (c.kind == PowerCallKind::ExitWindows) flags.push_back(c.flags);
  return flags;
}

}  // namespace tikora
