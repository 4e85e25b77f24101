// A timer of the control panel as a model object: an interval and a running flag. The Win32 layer
// mirrors it onto a real window timer (SetTimer/KillTimer) through the change callback; tests
// call the owner's handler (Timer2Timer, Timer7Timer, ...) themselves whenever the timer is
// running, so a whole day of ticks runs without a message loop.
#pragma once
#include <cstdint>
#include <functional>
#include <utility>

namespace tikora {

class PanelTimer {
 public:
  PanelTimer(std::uint32_t intervalMs, bool enabled) : interval_(intervalMs), enabled_(enabled) {}
  PanelTimer(const PanelTimer&) = delete;
  PanelTimer& operator=(const PanelTimer&) = delete;

  std::uint32_t interval() const { return interval_; }
  bool enabled() const { return enabled_; }

  // Starting a running timer or stopping a stopped one changes nothing (no restart), as with
  // the native timers.
  void start() { setEnabled(true); }
  void stop() { setEnabled(false); }
  void setEnabled(bool enabled) {
    if (enabled == enabled_) return;
    enabled_ = enabled;
    if (enabled) ++starts_;
    notify();
  }
  void setInterval(std::uint32_t intervalMs) {
    if (intervalMs == interval_) return;
    interval_ = intervalMs;
    notify();
  }

  // How often the timer went from stopped to running.
  std::uint64_t starts() const { return starts_; }

  // Called after every change of the interval or the running flag.
  void onChange(std::function<void(const PanelTimer&)> callback) {
    onChange_ = std::move(callback);
  }

 private:
  void notify() {
    if (onChange_) onChange_(*this);
  }

  std::uint32_t interval_;
  bool enabled_;
  std::uint64_t starts_ = 0;
  std::function<void(const PanelTimer&)> onChange_;
};

}  // namespace tikora
