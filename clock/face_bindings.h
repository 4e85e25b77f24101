// Between the control panel and the clock face: the face's settings taken from the loaded
// record, and the face's handlers on the panel's components (the colours, the frame, hand and
// seconds styles and the face's switches). A face handler runs only once the face is composed; at
// the settings load the face is composed afterwards from the loaded record. What the switches do
// to the panel's own controls runs at the load as well.
#pragma once
#include <functional>
#include <optional>
#include <string_view>

#include "clock/clock_face.h"
#include "clock/control_panel_names.h"
#include "clock/settings.h"
#include "core/component.h"

namespace tikora {

// The face's settings as the record holds them.
ClockFaceSettings faceSettingsOf(const Settings& settings);
// The seconds and laser "OFF" switches as the record holds them.
FaceSwitches faceSwitchesOf(const Settings& settings);
// The seconds style whose radio button the record has selected.
SecondsStyle selectedSecondsStyle(const Settings& settings);

// The laser availability: with styles 9 to 12 or the seconds off the laser "OFF" switch is
// ticked (running its click action when that changes it) and disabled; otherwise it is enabled
// and keeps its state. Run by the face tick before the laser step and after a style or the
// seconds switch changes.
void applyLaserAvailability(ComponentTable& panel, Settings& settings);

// The seconds style a radio button of the "Seconds Style" group stands for ("RadioButton12" is
// style 1, "RadioButton54" style 12); nothing for any other component.
std::optional<SecondsStyle> secondsStyleOfButton(std::wstring_view component);

// Registers the face's handlers. `face` gives the composed face, or nullptr before it is. The
// seconds "OFF" switch disables the style group, both seconds colours and the laser switch; the
// controls that start a long rebuild (frame style and colour, background, hand colour and style)
// are disabled while it runs.
void bindFace(ComponentTable& panel, Settings& settings, std::function<ClockFace*()> face);

}  // namespace tikora
