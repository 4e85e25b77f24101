// The program's identity: its title, the clock window's caption a second copy looks for, the
// name of the mutex that keeps to one copy, the exit code, and the plain message box that carries
// the title.
#pragma once
#include <string>
#include <string_view>

#include "platform/message_box.h"

namespace tikora {

inline constexpr std::wstring_view kApplicationTitle = L"Tikora";
// The clock window's caption: what a second copy looks for.
inline constexpr std::wstring_view kClockWindowCaption = L"Tikora";
inline constexpr std::wstring_view kInstanceMutexName = L"VoiceTikoraMutex";
inline constexpr int kExitCode = 0;

// A plain message box: the program's title as its caption and one OK button; `owner` names the
// window that owns it.
MessageBoxRequest plainMessageBox(std::wstring text, std::wstring_view owner = {});

}  // namespace tikora
