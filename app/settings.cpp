// The live settings record; see settings.h.
#include "app/settings.h"

#include "app/settings_schema.h"

namespace tikora {

Settings::Settings() {
  for (const auto& spec : settingsSchema()) setValue(*this, spec, defaultValueOf(spec));
}

SettingValue valueOf(const Settings& settings, const SettingSpec& spec) {
  return std::visit([&](auto member) -> SettingValue { return settings.*member; }, spec.field);
}

bool setValue(Settings& settings, const SettingSpec& spec, const SettingValue& value) {
  return std::visit(
      [&](auto member) {
        using Field = std::remove_reference_t<decltype(settings.*member)>;
        const auto* typed = std::get_if<Field>(&value);
        if (!typed) return false;
        settings.*member = *typed;
        return true;
      },
      spec.field);
}

bool selectRadioButton(Settings& settings, std::wstring_view name) {
  const SettingSpec* chosen = findSetting(name);
  if (!chosen || chosen->control != SettingControl::RadioButton) return false;
  for (const auto& spec : settingsSchema())
    if (spec.radioGroup == chosen->radioGroup) setValue(settings, spec, &spec == chosen);
  return true;
}

std::wstring_view selectedRadioButton(const Settings& settings, std::wstring_view radioGroup) {
  if (radioGroup.empty()) return {};
  for (const auto& spec : settingsSchema())
    if (spec.radioGroup == radioGroup && std::get<bool>(valueOf(settings, spec))) return spec.name;
  return {};
}

}  // namespace tikora
