// The settings key as other programs, older versions or a damaged hive may have left it: any
// value of the table of any type and size, some missing, strays beside them, or no key at all.
// The whole program starts on it as start-up makes it (the control panel's load sets off the
// controls' actions, the face is composed, the ticker reads its group), the face tick and the
// second tick run once, and the user changes a few settings on the control panel. Promised
// besides no crash: what the program then saves it loads back as it was, so a damaged key
// heals at the first save and the user's changes come back at the next start.
//
// Input: entries of an index into the settings table (0xFF: no key at all; past the table: a
// stray value), a type, an 8-bit length and the data. Types 0 to 4 store a value
// (fuzz::storedValue) in the key as a first run writes it, 5 removes it; from 0x80 on the entry
// is the user's change of that setting's control once the program runs, the data its new state.
#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz/fuzz_input.h"
#include "tests/unit/program_fixture.h"

namespace {

using namespace tikora;

// The generated pictures, each read from its file once for all the runs.
class MediaOnce final : public Resources {
 public:
  std::optional<Bitmap> loadBitmap(std::wstring_view name) const override {
    const auto [found, added] = read_.try_emplace(std::wstring(name));
    if (added) found->second = folder_.loadBitmap(name);
    return found->second;
  }

 private:
  FakeResources folder_{TIKORA_MEDIA_DIR};
  mutable std::map<std::wstring, std::optional<Bitmap>> read_;
};

struct UserChange {
  const SettingSpec* setting;
  std::string_view state;
};

// The control's new state from the data, within what the control lets a user choose, raised
// as the control's view raises it.
void change(ComponentTable& panel, const UserChange& change) {
  const SettingSpec& setting = *change.setting;
  if (setting.component.empty() || !panel.contains(setting.component)) return;
  const ComponentState& state = panel[setting.component];
  fuzz::ByteStream data(change.state);
  ComponentInput input;
  ComponentEvent event = ComponentEvent::Change;
  switch (setting.control) {
    case SettingControl::CheckBox:
      input.checked = (data.byte() & 1) != 0;
      event = ComponentEvent::Click;
      break;
    case SettingControl::RadioButton:
      input.checked = true;
      event = ComponentEvent::Click;
      break;
    case SettingControl::ColorBox: input.colour = data.word() | (std::uint32_t{data.word()} << 16); break;
    case SettingControl::ListChoice:
      if (state.items.empty()) return;
      input.selected = static_cast<int>(data.byte() % state.items.size());
      break;
    case SettingControl::FontName:
    case SettingControl::Edit: {
      std::wstring text = fuzz::wideText(data.rest());
      std::erase(text, L'\0');  // no edit control holds one
      if (state.textLimit > 0 && text.size() > static_cast<std::size_t>(state.textLimit)) text.resize(state.textLimit);
      input.text = std::move(text);
      break;
    }
    case SettingControl::UpDown:
    case SettingControl::ScrollBar:
      if (state.maximum < state.minimum) return;
      input.position = state.minimum + static_cast<int>(data.word() % (std::int64_t{state.maximum} - state.minimum + 1));
      break;
    case SettingControl::DatePicker: {
      const std::string_view bytes = data.run(8);
      input.value = DateTime::fromBytes(std::span(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()));
      if (!input.value) return;
      break;
    }
  }
  panel.raise(setting.component, event, input);
}

// The key from the input; the user's changes for later.
std::vector<UserChange> setUp(FakeRegistry& registry, fuzz::ByteStream& in) {
  Settings defaults;
  (void)SettingsStore(registry, testing::kProgramPath).firstRunWrite(defaults);
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
      registry.set(kSettingsKeyPath, name, fuzz::storedValue(type, data));
    }
  }
  return changes;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::ByteStream in({reinterpret_cast<const char*>(data), size});
  static const MediaOnce media;
  testing::FakeProgramServices fakes;
  fakes.media = &media;
  fakes.clock.setLocalTime(2024, 3, 14, 14, 59, 58);
  const std::vector<UserChange> changes = setUp(fakes.registry, in);
  const auto program = fakes.startProgram();
  program->Timer1Timer();
  ComponentTable& panel = program->controlPanel()->components();
  panel.tick(L"Timer2");
  for (const UserChange& userChange : changes) change(panel, userChange);

  const Settings& live = program->settings();
  // "Start with System" keeps what its own box stored; the save fills it in where there is none.
  const std::optional<RegistryValue> boxStored = fakes.registry.value(kSettingsKeyPath, L"ses_st");
  const bool startWithSystem =
      boxStored && boxStored->type == RegistryValueType::Dword ? boxStored->dword != 0 : live.ses_st;
  if (!program->store().save(live)) fuzz::breach("the settings save");
  Settings reread;
  SettingsStore store(fakes.registry, testing::kProgramPath);
  store.load(reread);
  store.loadTickerGroup(reread);
  for (const SettingSpec& setting : settingsSchema()) {
    const SettingValue expected = setting.name == L"ses_st" ? SettingValue{startWithSystem} : valueOf(live, setting);
    if (valueOf(reread, setting) != expected)
      fuzz::breach("what the program saves it loads back as it was", setting.name);
  }
  return 0;
}
