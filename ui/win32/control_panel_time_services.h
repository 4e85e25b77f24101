// The control panel's time services: the second tick (Timer2), the work time (Timer3), the
// full-hour effect timer (Timer4) and the force-shutdown blinker (Timer7), run as window timers
// of the panel, and the controls of the voice, power-off, countdown, work time and full-hour
// groups. The services change their controls' model; after every event and every tick this
// class shows that model on the native controls (ticks, enabled and shown states, caption
// colours, the remaining-time and work-time displays).
#pragma once
#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "app/clock_window_model.h"
#include "app/settings.h"
#include "app/text_overlays.h"
#include "platform/clock.h"
#include "platform/locale.h"
#include "platform/text_metrics.h"
#include "platform/win32/win32_message_box.h"
#include "platform/win32/win32_power.h"
#include "platform/win32/win32_sound.h"
#include "timeservices/time_services.h"
#include "ui/win32/control_panel_controls.h"

namespace tikora {

struct PanelTimeServicesParts {
  HWND panel = nullptr;  // owns the timers and the message boxes
  Settings& settings;
  ControlPanelControls& controls;
  ClockWindowModel& clockWindow;
  TextOverlays& overlays;
  const TextMetrics& metrics;
  const Clock& clock;
  const Locale& locale;
  // The clock window's stay-on-top style.
  std::function<void(bool onTop)> setClockOnTop;
};

class PanelTimeServices {
 public:
  explicit PanelTimeServices(PanelTimeServicesParts parts);
  ~PanelTimeServices();
  PanelTimeServices(const PanelTimeServices&) = delete;
  PanelTimeServices& operator=(const PanelTimeServices&) = delete;

  // The places of the two display pictures, for the labels centred over them.
  void layoutDisplays();
  // Runs the action of the control behind a value the settings load changed; false when the
  // value is not one of these groups'.
  bool settingLoaded(std::wstring_view name);
  // After the settings load: the exact time's boxes take the stored hour and minute, which the
  // load sets without an action.
  void settingsLoaded();
  // The user changed a stored value whose control has a change action here: the minutes box
  // and the exact time's two lists.
  void settingChanged(std::wstring_view name);
  // Unstored check boxes: "Set Minutes", "Set Exact Time", "Check Time", "Show in Clock".
  // False for any other component.
  bool clicked(std::wstring_view component);
  // Text typed into the exact time's hour or minute box.
  void typed(std::wstring_view component, const std::wstring& text);
  // A mouse button pressed on a control: a full-hour sound option previews its sound.
  void mouseDown(std::wstring_view component);
  // The minutes' up-down arrows were clicked.
  void upDownClicked();
  // Runs the panel timer with this id; false for a timer that is not one of these.
  bool timer(UINT_PTR id);
  // Starts the second tick (Timer2) as a window timer.
  void start();

  // The native controls show the services' state again.
  void show();

  TimeServices& services() { return *services_; }
  TimeServicesControls& controlsModel() { return model_; }

 private:
  void Timer4Timer();
  void followTimer(const PanelTimer& timer, UINT_PTR id);

  PanelTimeServicesParts p_;
  Win32Sound sound_;
  Win32Power power_;
  Win32MessageBox messageBoxes_;
  TimeServicesControls model_;
  PanelTimer timer4_{1000, false};
  std::unique_ptr<TimeServicesContext> context_;
  std::unique_ptr<TimeServices> services_;
};

}  // namespace tikora
