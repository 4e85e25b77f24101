// Between the control panel and the clock face: the face's settings taken from the loaded
// record, and the face's handlers on the panel's components (the colours, the frame, hand and
// seconds styles and the face's switches). A handler runs only once the face is composed; at
// the settings load the face is composed afterwards from the loaded record.
#pragma once
#include <functional>

#include "app/clock_face.h"
#include "app/settings.h"
#include "core/component.h"

namespace tikora {

// The face's settings as the record holds them.
ClockFaceSettings faceSettingsOf(const Settings& settings);

// The seconds style a radio button of the "Seconds Style" group stands for ("RadioButton12" is
// style 1, "RadioButton54" style 12); nothing for any other component.
std::optional<SecondsStyle> secondsStyleOfButton(std::wstring_view component);

// Registers the face's handlers. `face` gives the composed face, or nullptr before it is.
void bindFace(ComponentTable& panel, Settings& settings, std::function<ClockFace*()> face);

}  // namespace tikora
