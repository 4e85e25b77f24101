// The settings key as other programs, older versions or a damaged hive may have left it, made
// from the fuzzer's bytes, and the promise every save keeps: what it saves loads back as it was.
// Shared by the settings targets.
//
// Input: entries of an index into the settings table (0xFF: no key at all; past the table: a
// stray value), a type, an 8-bit length and the data. Types 0 to 4 store a value
// (fuzz::storedValue) in the key as a first run writes it, 5 removes it; from 0x80 on the entry
// is the user's change of that setting's control once the program runs, the data its new state.
#pragma once
#include <string_view>
#include <vector>

#include "clock/settings_store.h"
#include "fuzz/fuzz_input.h"
#include "platform/fake/fake_registry.h"

namespace tikora::fuzz {

inline constexpr const wchar_t* kProgramPath = L"C:\\Tikora\\tikora.exe";

struct UserChange {
  const SettingSpec* setting;
  std::string_view state;
};

// Writes the key the entries make (on top of a first run's) into `registry`; returns the user's
// changes for later.
std::vector<UserChange> storeSettingsKey(FakeRegistry& registry, ByteStream& in);

// Saves `settings` through `store` and loads the key again with a store of its own: every value comes back as it was,
// but "Start with System", which keeps what its own box stored where the key holds a readable
// one. Breaches otherwise.
void checkSaveLoadsBack(FakeRegistry& registry, SettingsStore& store, const Settings& settings);

}  // namespace tikora::fuzz
