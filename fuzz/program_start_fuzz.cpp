// The whole program started on a settings key as other programs, older versions or a damaged
// hive may have left it (settings_key.h): start-up as it is made (the control panel's load sets
// off the controls' actions, the face is composed, the ticker reads its group), the face tick
// and the second tick once, then the user's changes on the control panel. Promised besides no
// crash: what the program then saves it loads back as it was, so a damaged key heals at the
// first save and the user's changes come back at the next start. Slow (a whole start-up an
// input, a few dozen a second); settings_load fuzzes the store alone, thousands a second.
#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz/fuzz_input.h"
#include "fuzz/settings_key.h"
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

// The control's new state from the data, within what the control lets a user choose, raised
// as the control's view raises it.
void change(ComponentTable& panel, const fuzz::UserChange& change) {
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
      input.position =
          state.minimum + static_cast<int>(data.word() % (std::int64_t{state.maximum} - state.minimum + 1));
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

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::ByteStream in({reinterpret_cast<const char*>(data), size});
  static const MediaOnce media;
  testing::FakeProgramServices fakes;
  fakes.media = &media;
  fakes.clock.setLocalTime(2024, 3, 14, 14, 59, 58);
  const std::vector<fuzz::UserChange> changes = fuzz::storeSettingsKey(fakes.registry, in);
  const auto program = fakes.startProgram();
  program->onFaceTick();
  ComponentTable& panel = program->controlPanel()->components();
  panel.tick(kSecondTickTimer);
  for (const fuzz::UserChange& userChange : changes) change(panel, userChange);

  fuzz::checkSaveLoadsBack(fakes.registry, program->store(), program->settings());
  return 0;
}
