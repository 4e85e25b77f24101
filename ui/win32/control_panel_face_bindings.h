// Between the live settings and the clock face: the face's settings taken from the loaded
// record, and the face's change handler run for a value the user changed.
#pragma once
#include "app/clock_face.h"
#include "app/settings.h"
#include "app/settings_schema.h"

namespace tikora {

// The face's settings as the record holds them.
ClockFaceSettings faceSettingsOf(const Settings& settings);

// Runs the face's handler for `changed`, if the face has one; a colour the face adjusts (pure
// white becomes near white) is put back into the record. True when a handler ran.
bool applyFaceChange(ClockFace& face, Settings& settings, const SettingSpec& changed);

}  // namespace tikora
