// The time services on the control panel; see panel_bindings.h.
#include "timeservices/panel_bindings.h"

#include <string_view>

#include "clock/control_panel_names.h"
#include "timeservices/power_off.h"

namespace tikora {
namespace {

using E = ComponentEvent;

// Shown only while a countdown runs, or while "Shutdown" is chosen ("Force Shutdown").
constexpr std::wstring_view kHiddenAtFirst[] = {
    kPowerOffDisplay,     kPowerOffTimeLabel,      kWorkTimeDisplay,      kWorkTimeLabel,
    kShowPowerOffTimeBox, kPowerOffTimeInFrontBox, kPowerOffWarningOnBox, kWarningSound1Button,
    kWarningSound2Button, kWarningSound3Button,    kForceShutdownBox,
};
// The power-off options whose captions blink.
constexpr std::wstring_view kBlinkingCaptions[] = {kPowerOffShutdownButton, kPowerOffLogOffButton,
                                                   kPowerOffHibernateButton, kForceShutdownBox};
// The twelve options of "By Sound Effect", previewed by any mouse button.
constexpr std::wstring_view kSoundOptions[] = {kHourSound1Button,  kHourSound2Button,  kHourSound3Button,
                                               kHourSound4Button,  kHourSound5Button,  kHourSound6Button,
                                               kHourSound7Button,  kHourSound8Button,  kHourSound9Button,
                                               kHourSound10Button, kHourSound11Button, kHourSound12Button};

template <class Owner>
struct Route {
  std::wstring_view component;
  ComponentEvent event;
  void (Owner::*handler)();
};

constexpr Route<PowerOffTimer> kPowerOffRoutes[] = {
    {kForceShutdownBox, E::Click, &PowerOffTimer::onForceShutdownChanged},
    {kSetMinutesBox, E::Click, &PowerOffTimer::onSetMinutesClicked},
    {kSetExactTimeBox, E::Click, &PowerOffTimer::onSetExactTimeClicked},
    {kShowPowerOffTimeBox, E::Click, &PowerOffTimer::onShowPowerOffTimeChanged},
    {kPowerOffMinutesEdit, E::Change, &PowerOffTimer::onMinutesEdited},
    {kPowerOffMinutesArrows, E::Change, &PowerOffTimer::onMinutesArrowsClicked},
    // A picked item and typed text alike must leave a whole number in the box.
    {kPowerOffHourList, E::Change, &PowerOffTimer::onHourEdited},
    {kPowerOffHourList, E::Typed, &PowerOffTimer::onHourEdited},
    {kPowerOffMinuteList, E::Change, &PowerOffTimer::onMinuteEdited},
    {kPowerOffMinuteList, E::Typed, &PowerOffTimer::onMinuteEdited},
};
constexpr Route<WorkTime> kWorkTimeRoutes[] = {
    {kCheckWorkTimeBox, E::Click, &WorkTime::onCheckWorkTimeChanged},
    {kShowWorkTimeBox, E::Click, &WorkTime::onShowWorkTimeChanged},
};
constexpr Route<Countdown> kCountdownRoutes[] = {
    {kShowCountdownBox, E::Click, &Countdown::onShowCountdownChanged},
};

template <class Owner, std::size_t N>
void registerRoutes(ComponentTable& panel, Owner& owner, const Route<Owner> (&routes)[N]) {
  for (const Route<Owner>& route : routes)
    panel.on(route.component, route.event, [&owner, handler = route.handler] { (owner.*handler)(); });
}

// A list choice as its box shows it: "07"; nothing for no choice.
std::wstring choiceText(const ComponentState& box, int index) {
  if (index < 0 || std::size_t(index) >= box.items.size()) return {};
  return box.items[std::size_t(index)];
}

}  // namespace

void setFirstTimeServiceStates(ComponentTable& panel) {
  for (std::wstring_view name : kHiddenAtFirst) panel[name].visible = false;
  for (std::wstring_view name : kBlinkingCaptions) panel[name].textColour = kCaptionBlack;
  panel[kPowerOffTimeLabel].text = L"00:00:00";
  panel[kWorkTimeLabel].text = L"123 00:00:00";
}

void bindTimeServices(ComponentTable& panel, TimeServices& services) {
  PowerOffTimer& powerOff = services.powerOff;
  panel.on(kPowerOffShutdownButton, E::Click, [&powerOff] { powerOff.onActionChosen(true); });
  for (std::wstring_view other : {kPowerOffLogOffButton, kPowerOffHibernateButton})
    panel.on(other, E::Click, [&powerOff] { powerOff.onActionChosen(false); });
  registerRoutes(panel, powerOff, kPowerOffRoutes);
  registerRoutes(panel, services.workTime, kWorkTimeRoutes);
  registerRoutes(panel, services.countdown, kCountdownRoutes);
  FullHour& fullHour = services.fullHour;
  for (std::wstring_view option : kSoundOptions)
    panel.on(option, E::MouseDown, [&fullHour, option] { fullHour.soundOptionMouseDown(option); });

  panel.addTimer(kSecondTickTimer, services.secondTick.secondTimer(),
                 [&services] { services.secondTick.onSecondTick(); });
  panel.addTimer(kWorkTimeTimer, services.workTime.workTimeTimer(),
                 [&services] { services.workTime.onWorkTimeTick(); });
  panel.addTimer(kDigitEffectTimer, services.effectTimer(), [&services] { services.onEffectTick(); });
  panel.addTimer(kForceShutdownBlinkTimer, services.powerOff.blinkTimer(),
                 [&services] { services.powerOff.onBlinkTick(); });
}

void showExactTimeChoices(ComponentTable& panel, const Settings& settings) {
  panel[kPowerOffHourList].text = choiceText(panel[kPowerOffHourList], settings.powerOffHour);
  panel[kPowerOffMinuteList].text = choiceText(panel[kPowerOffMinuteList], settings.powerOffMinute);
}

}  // namespace tikora
