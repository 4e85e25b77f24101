// The settings targets' key and save check; see settings_key.h.
#include "fuzz/settings_key.h"

#include <optional>
#include <string>

namespace tikora::fuzz {

std::vector<UserChange> storeSettingsKey(FakeRegistry& registry, ByteStream& in) {
  Settings defaults;
  (void)SettingsStore(registry, kProgramPath).firstRunWrite(defaults);
  const auto schema = settingsSchema();
  std::vector<UserChange> changes;
  while (!in.done()) {
    const std::uint8_t index = in.byte();
    const std::uint8_t type = in.byte();
    const std::string_view data = in.run(in.byte());
    if (type >= 0x80) {
      if (index < schema.size()) changes.push_back({&schema[index], data});
      continue;
    }
    if (index == 0xFF) {
      (void)registry.deleteKeyTree(kSettingsKeyPath);
      continue;
    }
    const std::wstring name =
        index < schema.size() ? std::wstring(schema[index].name) : L"stray" + std::to_wstring(index);
    if (type % 6 == 5) {
      registry.removeValue(kSettingsKeyPath, name);
    } else {
      registry.set(kSettingsKeyPath, name, storedValue(type, data));
    }
  }
  return changes;
}

void checkSaveLoadsBack(FakeRegistry& registry, SettingsStore& store, const Settings& settings) {
  // "Start with System" keeps what its own box stored; the save fills it in where there is none.
  const std::optional<RegistryValue> boxStored =
      registry.value(kSettingsKeyPath, settingOf(&Settings::startWithSystem).name);
  const bool startWithSystem =
      boxStored && boxStored->type == RegistryValueType::Dword ? boxStored->dword != 0 : settings.startWithSystem;
  if (!store.save(settings)) breach("the settings save");
  Settings reread;
  SettingsStore again(registry, kProgramPath);
  again.load(reread);
  again.loadTickerGroup(reread);
  for (const SettingSpec& setting : settingsSchema()) {
    const SettingValue expected = setting.field == SettingField{&Settings::startWithSystem}
                                      ? SettingValue{startWithSystem}
                                      : valueOf(settings, setting);
    if (valueOf(reread, setting) != expected) breach("what the program saves it loads back as it was", setting.name);
  }
}

}  // namespace tikora::fuzz
