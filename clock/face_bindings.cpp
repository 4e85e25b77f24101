// The face's side of the control panel; see face_bindings.h.
#include "clock/face_bindings.h"

#include <optional>
#include <utility>

#include "clock/settings_schema.h"

namespace tikora {
namespace {

struct SecondsButton {
  std::wstring_view component;
  SecondsStyle style;
};
constexpr SecondsButton kSecondsButtons[] = {
    {kSecondsStyle1Button, SecondsStyle::OutlinedDots},
    {kSecondsStyle2Button, SecondsStyle::OutlinedDotsSolidMarks},
    {kSecondsStyle3Button, SecondsStyle::SolidDots},
    {kSecondsStyle4Button, SecondsStyle::DotMarks},
    {kSecondsStyle5Button, SecondsStyle::OutlinedSquares},
    {kSecondsStyle6Button, SecondsStyle::OutlinedSquaresSolidMarks},
    {kSecondsStyle7Button, SecondsStyle::SolidSquares},
    {kSecondsStyle8Button, SecondsStyle::SquareMarks},
    {kSecondsStyle9Button, SecondsStyle::TicksAndPoints},
    {kSecondsStyle10Button, SecondsStyle::Ticks},
    {kSecondsStyle11Button, SecondsStyle::Triangles},
    {kSecondsStyle12Button, SecondsStyle::TriangleMarks},
};

// What a control does to the face: the face, the live settings.
using FaceAction = void (*)(ClockFace&, Settings&);

// Whether the action is a long rebuild that handles waiting window messages between its steps.
enum class Duration { Short, Rebuild };

struct FaceRoute {
  std::wstring_view component;
  ComponentEvent event;
  FaceAction action;
  Duration duration = Duration::Short;
};

// Each colour chooser keeps the colour the face returns: pure white becomes near white.
constexpr FaceRoute kRoutes[] = {
    {kBackgroundColourBox, ComponentEvent::Change,
     [](ClockFace& f, Settings& s) { s.backgroundColour = f.changeBackground(s.backgroundColour); }, Duration::Rebuild},
    {kSecondsColourBox, ComponentEvent::Change,
     [](ClockFace& f, Settings& s) { s.secondsColour = f.changeSecondsColour(s.secondsColour); }},
    {kHandColourBox, ComponentEvent::Change,
     [](ClockFace& f, Settings& s) { s.handColour = f.changeHandColour(s.handColour); }, Duration::Rebuild},
    {kLaserColourBox, ComponentEvent::Change,
     [](ClockFace& f, Settings& s) { s.laserColour = f.changeLaserColour(s.laserColour); }},
    {kDigitColourBox, ComponentEvent::Change,
     [](ClockFace& f, Settings& s) { s.digitColour = f.changeDigitColour(s.digitColour); }},
    {kFrameColourList, ComponentEvent::Change,
     [](ClockFace& f, Settings& s) { f.changeFrameColour(s.frameColourRule); }, Duration::Rebuild},
    {kFrameStyleList, ComponentEvent::Change, [](ClockFace& f, Settings& s) { f.changeFrameStyle(s.frameStyle); },
     Duration::Rebuild},
    {kHandStyleList, ComponentEvent::Change, [](ClockFace& f, Settings& s) { f.changeHandStyle(s.handStyle); },
     Duration::Rebuild},
    {kSecondHandOffBox, ComponentEvent::Click, [](ClockFace& f, Settings& s) { f.setSecondHandOff(s.secondHandOff); }},
    {kAllHandsOffBox, ComponentEvent::Click, [](ClockFace& f, Settings& s) { f.setAllHandsOff(s.allHandsOff); }},
    {kSecondsOffBox, ComponentEvent::Click, [](ClockFace& f, Settings&) { f.secondsSwitchClicked(); }},
    {kLaserOffBox, ComponentEvent::Click, [](ClockFace& f, Settings&) { f.laserSwitchClicked(); }},
    {kDigitsOffBox, ComponentEvent::Click, [](ClockFace& f, Settings& s) { f.setDigitsOff(s.digitsOff); }},
    // The weekday and date switches free or take digits 9 and 3; the digits' switch keeps to them.
    {kWeekdayOffBox, ComponentEvent::Click,
     [](ClockFace& f, Settings& s) { f.noteWeekdayAndDateOff(s.weekdayOff, s.dateOff); }},
    {kDateOffBox, ComponentEvent::Click,
     [](ClockFace& f, Settings& s) { f.noteWeekdayAndDateOff(s.weekdayOff, s.dateOff); }},
};

// The colours the seconds "OFF" switch disables with the style group.
constexpr std::wstring_view kSecondsColours[] = {kSecondsColourBox, kLaserColourBox};

// Runs a long rebuild with the control that started it disabled, and the panel shown so before
// the rebuild handles its first waiting messages, so that it cannot be started again meanwhile.
void runDisabled(ComponentTable& panel, std::wstring_view control, const std::function<void()>& rebuild) {
  ComponentState& state = panel[control];
  const bool wasEnabled = state.enabled;
  state.enabled = false;
  if (panel.showNow) panel.showNow();
  struct Restore {
    ComponentState& state;
    bool enabled;
    ~Restore() { state.enabled = enabled; }
  } restore{state, wasEnabled};
  rebuild();
}

// The seconds "OFF" switch's part on the panel: the style group and the two colours follow it,
// and so does the laser switch.
void secondsSwitchClicked(ComponentTable& panel, Settings& settings) {
  for (const SecondsButton& button : kSecondsButtons) panel[button.component].enabled = !settings.secondsOff;
  for (std::wstring_view colour : kSecondsColours) panel[colour].enabled = !settings.secondsOff;
  applyLaserAvailability(panel, settings);
}

}  // namespace

SecondsStyle selectedSecondsStyle(const Settings& s) {
  SecondsStyle selected = SecondsStyle::OutlinedDots;
  for (const SecondsButton& button : kSecondsButtons) {
    const SettingSpec* described = settingOfComponent(button.component);
    if (described && std::get<bool>(valueOf(s, *described))) selected = button.style;
  }
  return selected;
}

FaceSwitches faceSwitchesOf(const Settings& s) { return FaceSwitches{s.secondsOff, s.laserOff}; }

void applyLaserAvailability(ComponentTable& panel, Settings& settings) {
  ComponentState& laserOff = panel[kLaserOffBox];
  if (laserAvailable(selectedSecondsStyle(settings), settings.secondsOff)) {
    laserOff.enabled = true;
    return;
  }
  laserOff.enabled = false;
  if (settings.laserOff) return;
  // Ticked from here as a user's click would: the switch's own action repairs the ring.
  settings.laserOff = true;
  laserOff.checked = true;
  panel.dispatch(kLaserOffBox, ComponentEvent::Click, EventSource::Program);
}

std::optional<SecondsStyle> secondsStyleOfButton(std::wstring_view component) {
  for (const SecondsButton& button : kSecondsButtons)
    if (button.component == component) return button.style;
  return std::nullopt;
}

ClockFaceSettings faceSettingsOf(const Settings& s) {
  ClockFaceSettings face;
  face.background = s.backgroundColour;
  face.seconds = s.secondsColour;
  face.digits = s.digitColour;
  face.weekday = s.weekdayColour;
  face.date = s.dateColour;
  face.hands = s.handColour;
  face.laser = s.laserColour;
  face.secondsStyle = selectedSecondsStyle(s);
  face.frameColourRule = s.frameColourRule;
  face.digitsOff = s.digitsOff;
  face.weekdayOff = s.weekdayOff;
  face.dateOff = s.dateOff;
  face.secondHandOff = s.secondHandOff;
  face.allHandsOff = s.allHandsOff;
  return face;
}

void bindFace(ComponentTable& panel, Settings& settings, std::function<ClockFace*()> face) {
  // The panel's own part runs whether the face is composed or not: the settings load clicks the
  // switches before the face is put together from them.
  panel.on(kSecondsOffBox, ComponentEvent::Click, [&panel, &settings] { secondsSwitchClicked(panel, settings); });
  for (const FaceRoute& route : kRoutes) {
    panel.on(route.component, route.event, [&panel, &settings, face, route] {
      ClockFace* composed = face();
      if (!composed) return;
      if (route.duration == Duration::Rebuild)
        runDisabled(panel, route.component, [&] { route.action(*composed, settings); });
      else
        route.action(*composed, settings);
    });
  }
  for (const SecondsButton& button : kSecondsButtons) {
    panel.on(button.component, ComponentEvent::Click, [face, style = button.style] {
      if (ClockFace* composed = face()) composed->selectSecondsStyle(style);
    });
    // A style without a laser takes the laser switch at once rather than at the next tick.
    panel.on(button.component, ComponentEvent::Click, [&panel, &settings] { applyLaserAvailability(panel, settings); });
  }
}

}  // namespace tikora
