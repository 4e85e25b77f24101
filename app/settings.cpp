// The live settings record; see settings.h.
#include "app/settings.h"

#include "app/settings_schema.h"

namespace tikora {

Settings::Settings() {
  for (const auto& described : settingsSchema()) setValue(*this, described, defaultValueOf(described));
}

SettingValue valueOf(const Settings& settings, const SettingSpec& described) {
  return std::visit([&](auto member) -> SettingValue { return settings.*member; }, described.field);
}

bool setValue(Settings& settings, const SettingSpec& described, const SettingValue& value) {
  return std::visit(
      [&](auto member) {
        using Field = std::remove_reference_t<decltype(settings.*member)>;
        const auto* typed = std::get_if<Field>(&value);
        if (!typed) return false;
        settings.*member = *typed;
        return true;
      },
      described.field);
}

bool selectRadioButton(Settings& settings, const SettingSpec& button) {
  if (button.control != SettingControl::RadioButton) return false;
  for (const auto& described : settingsSchema())
    if (described.radioGroup == button.radioGroup) setValue(settings, described, &described == &button);
  return true;
}

bool selectRadioButton(Settings& settings, bool Settings::*button) {
  return selectRadioButton(settings, settingOf(button));
}

bool Settings::*selectedRadioButton(const Settings& settings, std::wstring_view radioGroup) {
  if (radioGroup.empty()) return nullptr;
  for (const auto& described : settingsSchema())
    if (described.radioGroup == radioGroup && std::get<bool>(valueOf(settings, described)))
      return std::get<bool Settings::*>(described.field);
  return nullptr;
}

}  // namespace tikora
