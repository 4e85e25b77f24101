// The control panel's Timer4 as the effect timer the digit animation drives: the second tick
// starts it (FullHour), the animation sets its interval at every step and stops it after minute 0.
#pragma once
#include <cstdint>

#include "app/digit_animation.h"
#include "timeservices/panel_timer.h"

namespace tikora {

class PanelEffectTimer final : public EffectTimer {
 public:
  explicit PanelEffectTimer(PanelTimer& timer) : timer_(timer) {}

  bool running() const override { return timer_.enabled(); }
  void stop() override { timer_.stop(); }
  void setInterval(std::uint32_t intervalMs) override { timer_.setInterval(intervalMs); }

 private:
  PanelTimer& timer_;
};

}  // namespace tikora
