// Turns a Win32 error code into the platform layer's Error value.
#pragma once
#include <windows.h>

#include <string_view>

#include "platform/result.h"

namespace tikora {

// `what` says what was being done ("open key Tikora"); the system's own text is appended.
Error systemError(DWORD code, std::wstring_view what);
// The same for the calling thread's GetLastError().
Error lastSystemError(std::wstring_view what);

}  // namespace tikora
