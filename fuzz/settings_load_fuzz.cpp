// The settings store on a key as other programs, older versions or a damaged hive may have
// left it (settings_key.h; the user's changes are program_start's): the start's load of groups
// A and B, the ticker window's load of its group, then the close action's save. Promised
// besides no crash: what the program saves it loads back as it was, so a damaged key heals at
// the first save. program_start starts the whole program on such keys, far more slowly.
#include <cstddef>
#include <cstdint>

#include "fuzz/fuzz_input.h"
#include "fuzz/settings_key.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tikora;
  fuzz::ByteStream in({reinterpret_cast<const char*>(data), size});
  FakeRegistry registry;
  (void)fuzz::storeSettingsKey(registry, in);
  Settings settings;
  SettingsStore store(registry, fuzz::kProgramPath);
  store.load(settings);
  store.loadTickerGroup(settings);
  fuzz::checkSaveLoadsBack(registry, store, settings);
  return 0;
}
