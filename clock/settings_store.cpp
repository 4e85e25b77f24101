// Reading and writing the settings key; see settings_store.h.
#include "clock/settings_store.h"

#include <optional>
#include <utility>

namespace tikora {
namespace {

constexpr std::uint32_t kFileNotFound = 2;  // ERROR_FILE_NOT_FOUND

// The stored value of `described`, or nothing when it is missing, of another type, or a date that
// cannot be one. Integers come back as the control would show them.
std::optional<SettingValue> readSetting(const RegistryKey& key, const SettingSpec& described) {
  switch (described.type) {
    case SettingType::Integer:
      if (auto v = key.readDword(described.name)) return fitToRange(described, static_cast<std::int32_t>(*v));
      return std::nullopt;
    case SettingType::Bool:
      if (auto v = key.readDword(described.name)) return *v != 0;
      return std::nullopt;
    case SettingType::Colour:
      if (auto v = key.readDword(described.name)) return static_cast<Colour>(*v);
      return std::nullopt;
    case SettingType::String:
      if (auto v = key.readString(described.name)) return std::move(*v);
      return std::nullopt;
    case SettingType::Date:
    case SettingType::Time:
      if (auto bytes = key.readBinary(described.name, 8))
        if (auto value = DateTime::fromBytes(*bytes)) return *value;
      return std::nullopt;
  }
  return std::nullopt;
}

Status writeSetting(RegistryKey& key, const SettingSpec& described, const Settings& settings) {
  const SettingValue value = valueOf(settings, described);
  switch (described.type) {
    case SettingType::Integer:
      return key.writeDword(described.name, static_cast<std::uint32_t>(std::get<std::int32_t>(value)));
    case SettingType::Bool: return key.writeDword(described.name, std::get<bool>(value) ? 1u : 0u);
    case SettingType::Colour: return key.writeDword(described.name, std::get<Colour>(value));
    case SettingType::String: return key.writeString(described.name, std::get<std::wstring>(value));
    case SettingType::Date:
    case SettingType::Time: {
      const auto bytes = std::get<DateTime>(value).toBytes();
      return key.writeBinary(described.name, bytes);
    }
  }
  return Error{0, L"unknown setting type"};
}

// Puts a loaded value into its field as its control would take it, and says which action that
// sets off, if any.
std::optional<SettingAction> applyLoaded(Settings& settings, const SettingSpec& described, const SettingValue& value) {
  const SettingValue before = valueOf(settings, described);
  switch (described.control) {
    case SettingControl::RadioButton:
      if (!std::get<bool>(value)) {
        setValue(settings, described, false);
        return std::nullopt;
      }
      selectRadioButton(settings, described);
      if (std::get<bool>(before)) return std::nullopt;
      return SettingAction::Click;
    case SettingControl::CheckBox:
      setValue(settings, described, value);
      if (before == value) return std::nullopt;
      return SettingAction::Click;
    case SettingControl::ScrollBar:
      setValue(settings, described, value);
      if (before == value) return std::nullopt;
      return SettingAction::Change;
    default: setValue(settings, described, value); return std::nullopt;
  }
}

// Reads `specs` in order into `settings` until one cannot be read. True when all were read.
bool readGroup(const RegistryKey& key, std::span<const SettingSpec> specs, Settings& settings,
               const SettingEventHandler& onEvent, SettingsLoadReport& report) {
  for (const auto& described : specs) {
    const auto value = readSetting(key, described);
    if (!value) {
      report.stoppedAt = described.name;
      return false;
    }
    report.loaded.push_back(described.name);
    if (const auto action = applyLoaded(settings, described, *value)) {
      const SettingEvent event{&described, *action};
      report.events.push_back(event);
      if (onEvent) onEvent(event);
    }
  }
  return true;
}

}  // namespace

SettingsLoadReport SettingsStore::load(Settings& settings, const SettingEventHandler& onEvent) {
  SettingsLoadReport report;
  if (!registry_.keyExists(kSettingsKeyPath)) {
    report.firstRun = true;
    report.firstRunStatus = firstRunWrite(settings);
    return report;
  }
  auto key = registry_.openKey(kSettingsKeyPath, KeyAccess::Read);
  if (!key) {
    // There but unreadable: everything keeps its default, as if the first value were missing.
    report.stoppedAt = settingsGroup(SettingGroup::A).front().name;
    return report;
  }
  if (readGroup(**key, settingsGroup(SettingGroup::A), settings, onEvent, report))
    readGroup(**key, settingsGroup(SettingGroup::B), settings, onEvent, report);
  return report;
}

Status SettingsStore::firstRunWrite(Settings& settings) {
  settings.tickerFontName = std::wstring(kFirstRunTickerFont);
  settings.tickerFontStyle = kFirstRunTickerFontStyle;
  settings.tickerFontSize = kFirstRunTickerFontSize;

  Status status;
  auto key = registry_.createKey(kSettingsKeyPath);
  if (!key) {
    status = key.error();
  } else {
    for (const auto& described : settingsSchema()) {
      status = writeSetting(**key, described, settings);
      if (!status) break;
    }
  }
  // Its own key: start with Windows is set up even when the settings could not all be written.
  startWithSystem(settings.startWithSystem);
  return status;
}

SettingsLoadReport SettingsStore::loadTickerGroup(Settings& settings, const SettingEventHandler& onEvent) {
  SettingsLoadReport report;
  auto key = registry_.openKey(kSettingsKeyPath, KeyAccess::Read);
  if (!key) return report;
  readGroup(**key, settingsGroup(SettingGroup::Ticker), settings, onEvent, report);
  return report;
}

Status SettingsStore::save(const Settings& settings) {
  auto key = registry_.createKey(kSettingsKeyPath);
  if (!key) return key.error();
  for (const std::wstring_view name : saveOrder()) {
    const SettingSpec* described = findSetting(name);
    if (!described) return Error{0, L"no setting named " + std::wstring(name)};
    if (auto status = writeSetting(**key, *described, settings); !status) return status;
  }
  // `startWithSystem` is its own box's to write, but a key without a readable value of it (a
  // first run cut short, an older or damaged key) stops every later value of group B from
  // loading, saved or not: then the box's state goes in too.
  const std::wstring_view startWithSystem = settingOf(&Settings::startWithSystem).name;
  if (!(*key)->readDword(startWithSystem))
    return (*key)->writeDword(startWithSystem, settings.startWithSystem ? 1u : 0u);
  return {};
}

StartWithSystemReport SettingsStore::startWithSystem(bool ticked) {
  StartWithSystemReport report;
  {
    auto run = registry_.openKey(kRunKeyPath, KeyAccess::ReadWrite);
    if (!run) return report;
    report.runKeyOpened = true;
    if (ticked) {
      report.runValue = (*run)->writeString(kRunValueName, programPath_);
    } else {
      report.runValue = (*run)->deleteValue(kRunValueName);
      if (!report.runValue && report.runValue.error().code == kFileNotFound) report.runValue = {};
    }
  }  // the Run key is closed before the settings key is opened
  report.setting = writeStartWithSystemSetting(ticked);
  return report;
}

Status SettingsStore::writeStartWithSystemSetting(bool ticked) {
  auto key = registry_.openKey(kSettingsKeyPath, KeyAccess::ReadWrite);
  if (!key) return key.error();
  return (*key)->writeDword(settingOf(&Settings::startWithSystem).name, ticked ? 1u : 0u);
}

}  // namespace tikora
