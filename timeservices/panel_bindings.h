// The time services on the control panel: the first states of their controls (the displays and
// the options of an armed power-off timer hidden, the blinking captions black) and, by component
// and event, every handler of the voice, power-off, countdown, work time and full-hour groups,
// with the panel's timers: the second tick, the work time, the digit effect and the blinking.
#pragma once
#include "core/component.h"
#include "timeservices/time_services.h"

namespace tikora {

// The controls' states before the settings load.
void setFirstTimeServiceStates(ComponentTable& panel);

// Registers the handlers and the timers on the panel's components. `services` must outlive the
// panel's use of them.
void bindTimeServices(ComponentTable& panel, TimeServices& services);

// After the settings load: the exact time's boxes show the stored hour and minute, which the
// load sets without an action.
void showExactTimeChoices(ComponentTable& panel, const Settings& settings);

}  // namespace tikora
