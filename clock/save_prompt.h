// The control panel's close action after the window is hidden: asks whether to save the
// settings, saves them on Yes and tells the user how it went.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

#include "clock/settings.h"
#include "clock/settings_store.h"
#include "platform/message_box.h"
#include "platform/result.h"

namespace tikora {

inline constexpr std::wstring_view kSavePromptCaption = L"Control Panel - Settings";

// "   You are leaving the Panel ... \r   Do you want save settings ? \r" and 38 underscores.
std::wstring savePromptQuestion();
// "   Settings have been saved successfully.\r" and 44 underscores.
std::wstring settingsSavedMessage();
// "    Settings remain unsaved.\r" and 44 underscores.
std::wstring settingsUnsavedMessage();
// "   Settings could not be saved.\r   " + the reason + "\r" and 44 underscores.
std::wstring settingsNotSavedMessage(const Error& reason);

enum class SavePromptOutcome {
  Saved,       // Yes, and every value was written
  NotSaved,    // No (or the question box could not be answered): nothing written
  SaveFailed,  // Yes, but the key could not be opened or a write failed; told the user
};

struct SavePromptOptions {
  std::wstring_view applicationTitle = L"Tikora";  // caption of the plain message boxes
  std::wstring_view owner;                         // the window that owns the boxes, empty for none
};

// Asks, and on Yes saves `settings` through `store`. Anything but Yes counts as No. On No the
// record is left as it is: the changes stay in effect until the program ends.
SavePromptOutcome runSavePrompt(SettingsStore& store, const Settings& settings, MessageBoxService& messageBoxes,
                                const SavePromptOptions& options = {});

}  // namespace tikora
