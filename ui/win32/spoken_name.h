// A control's name for screen readers where it shows no caption of its own: the system's own
// accessible object of the control, answered to WM_GETOBJECT with only its name replaced, so
// that its role, value and states stay the system's.
#pragma once
#include <windows.h>

#include <string>

namespace tikora {

// The answer to WM_GETOBJECT (`wParam`, `objectId`) for `control` called `name`; 0 when the
// request is for another object, and the system then answers it as usual.
LRESULT answerWithSpokenName(HWND control, WPARAM wParam, LPARAM objectId, const std::wstring& name);

}  // namespace tikora
