// The time services on the control panel; see panel_bindings.h.
#include "timeservices/panel_bindings.h"

#include <string_view>

#include "timeservices/power_off.h"

namespace tikora {
namespace {

using E = ComponentEvent;

// Shown only while a countdown runs, or while "Shutdown" is chosen ("Force Shutdown").
constexpr std::wstring_view kHiddenAtFirst[] = {
    L"Image3",     L"Label16",       L"Image5",        L"Label19",       L"CheckBox13", L"CheckBox17",
    L"CheckBox31", L"RadioButton59", L"RadioButton60", L"RadioButton61", L"CheckBox33",
};
// The power-off options whose captions blink.
constexpr std::wstring_view kBlinkingCaptions[] = {L"RadioButton10", L"RadioButton11", L"RadioButton50", L"CheckBox33"};
// The twelve options of "By Sound Effect", previewed by any mouse button.
constexpr std::wstring_view kSoundOptions[] = {L"RadioButton16", L"RadioButton17", L"RadioButton18", L"RadioButton19",
                                               L"RadioButton20", L"RadioButton38", L"RadioButton40", L"RadioButton42",
                                               L"RadioButton46", L"RadioButton49", L"RadioButton62", L"RadioButton64"};

template <class Owner>
struct Route {
  std::wstring_view component;
  ComponentEvent event;
  void (Owner::*handler)();
};

constexpr Route<PowerOffTimer> kPowerOffRoutes[] = {
    {L"RadioButton10", E::Click, &PowerOffTimer::RadioButton10Click},
    {L"RadioButton11", E::Click, &PowerOffTimer::RadioButton11Click},
    {L"RadioButton50", E::Click, &PowerOffTimer::RadioButton50Click},
    {L"CheckBox33", E::Click, &PowerOffTimer::CheckBox33Click},
    {L"CheckBox9", E::Click, &PowerOffTimer::CheckBox9Click},
    {L"CheckBox10", E::Click, &PowerOffTimer::CheckBox10Click},
    {L"CheckBox13", E::Click, &PowerOffTimer::CheckBox13Click},
    {L"Edit1", E::Change, &PowerOffTimer::Edit1Change},
    {L"UpDown1", E::Change, &PowerOffTimer::UpDown1Click},
    // A picked item and typed text alike must leave a whole number in the box.
    {L"ComboBox3", E::Change, &PowerOffTimer::ComboBox3Change},
    {L"ComboBox3", E::Typed, &PowerOffTimer::ComboBox3Change},
    {L"ComboBox4", E::Change, &PowerOffTimer::ComboBox4Change},
    {L"ComboBox4", E::Typed, &PowerOffTimer::ComboBox4Change},
};
constexpr Route<WorkTime> kWorkTimeRoutes[] = {
    {L"CheckBox11", E::Click, &WorkTime::CheckBox11Click},
    {L"CheckBox12", E::Click, &WorkTime::CheckBox12Click},
};
constexpr Route<Countdown> kCountdownRoutes[] = {
    {L"CheckBox14", E::Click, &Countdown::CheckBox14Click},
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
  panel[L"Label16"].text = L"00:00:00";
  panel[L"Label19"].text = L"123 00:00:00";
}

void bindTimeServices(ComponentTable& panel, TimeServices& services) {
  registerRoutes(panel, services.powerOff, kPowerOffRoutes);
  registerRoutes(panel, services.workTime, kWorkTimeRoutes);
  registerRoutes(panel, services.countdown, kCountdownRoutes);
  FullHour& fullHour = services.fullHour;
  for (std::wstring_view option : kSoundOptions)
    panel.on(option, E::MouseDown, [&fullHour, option] { fullHour.soundOptionMouseDown(option); });

  panel.addTimer(L"Timer2", services.secondTick.Timer2(), [&services] { services.secondTick.Timer2Timer(); });
  panel.addTimer(L"Timer3", services.workTime.Timer3(), [&services] { services.workTime.Timer3Timer(); });
  panel.addTimer(L"Timer4", services.effectTimer(), [&services] { services.Timer4Timer(); });
  panel.addTimer(L"Timer7", services.powerOff.Timer7(), [&services] { services.powerOff.Timer7Timer(); });
}

void showExactTimeChoices(ComponentTable& panel, const Settings& settings) {
  panel[L"ComboBox3"].text = choiceText(panel[L"ComboBox3"], settings.powerOffHour);
  panel[L"ComboBox4"].text = choiceText(panel[L"ComboBox4"], settings.powerOffMinute);
}

}  // namespace tikora
