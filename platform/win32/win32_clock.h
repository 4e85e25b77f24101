// The system's local time and tick count.
#pragma once
#include "platform/clock.h"

namespace tikora {

class Win32Clock : public Clock {
 public:
  LocalTime now() const override;
  std::uint32_t tickCount() const override;
};

}  // namespace tikora
