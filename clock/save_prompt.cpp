// The save question of the control panel's close action; see save_prompt.h.
#include "clock/save_prompt.h"

namespace tikora {
namespace {

std::wstring underscores(std::size_t count) { return std::wstring(count, L'_'); }

}  // namespace

std::wstring savePromptQuestion() {
  return L"   You are leaving the Panel ... \r   Do you want save settings ? \r" + underscores(38);
}

std::wstring settingsSavedMessage() { return L"   Settings have been saved successfully.\r" + underscores(44); }

std::wstring settingsUnsavedMessage() { return L"    Settings remain unsaved.\r" + underscores(44); }

std::wstring settingsNotSavedMessage(const Error& reason) {
  const std::wstring why = reason.message.empty() ? L"error " + std::to_wstring(reason.code) : reason.message;
  return L"   Settings could not be saved.\r   " + why + L"\r" + underscores(44);
}

SavePromptOutcome runSavePrompt(SettingsStore& store, const Settings& settings, MessageBoxService& messageBoxes,
                                const SavePromptOptions& options) {
  const auto plain = [&](std::wstring text) {
    messageBoxes.show({std::wstring(options.applicationTitle), std::move(text), MessageBoxButtons::Ok,
                       MessageBoxIcon::None, std::wstring(options.owner)});
  };

  const MessageBoxAnswer answer =
      messageBoxes.show({std::wstring(kSavePromptCaption), savePromptQuestion(), MessageBoxButtons::YesNo,
                         MessageBoxIcon::Information, std::wstring(options.owner)});
  if (answer != MessageBoxAnswer::Yes) {
    plain(settingsUnsavedMessage());
    return SavePromptOutcome::NotSaved;
  }
  if (const Status saved = store.save(settings); !saved) {
    plain(settingsNotSavedMessage(saved.error()));
    return SavePromptOutcome::SaveFailed;
  }
  plain(settingsSavedMessage());
  return SavePromptOutcome::Saved;
}

}  // namespace tikora
