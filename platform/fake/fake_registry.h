// An in-memory registry for tests. It behaves like HKEY_CURRENT_USER where the program can see
// it (case-insensitive names, strict types, read-only keys refuse writes, values keep their
// place when overwritten) and lets a test set values up, break writes and opens on purpose, and
// check every change in the order it was made.
#pragma once
#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "platform/registry.h"

namespace tikora {

enum class RegistryChangeKind { SetValue, DeleteValue, CreateKey, DeleteKeyTree };

// One change made through the Registry interface. `key` is the key's path as first created.
struct RegistryChange {
  RegistryChangeKind kind = RegistryChangeKind::SetValue;
  std::wstring key;
  std::wstring name;    // the value name (SetValue, DeleteValue)
  RegistryValue value;  // SetValue only

  friend bool operator==(const RegistryChange&, const RegistryChange&) = default;
};

class FakeRegistry : public Registry {
 public:
  FakeRegistry();
  ~FakeRegistry() override;
  FakeRegistry(const FakeRegistry&) = delete;
  FakeRegistry& operator=(const FakeRegistry&) = delete;

  // Registry. Keys it hands out must not outlive it.
  Result<std::unique_ptr<RegistryKey>> openKey(std::wstring_view path, KeyAccess access) override;
  Result<std::unique_ptr<RegistryKey>> createKey(std::wstring_view path) override;
  bool keyExists(std::wstring_view path) override;
  Status deleteKeyTree(std::wstring_view path) override;

  // ---- Setting up (not logged, never failed) ----
  void addKey(std::wstring_view path);
  void set(std::wstring_view path, std::wstring_view name, RegistryValue value);
  void setDword(std::wstring_view path, std::wstring_view name, std::uint32_t v);
  void setString(std::wstring_view path, std::wstring_view name, std::wstring_view v);
  void setExpandString(std::wstring_view path, std::wstring_view name, std::wstring_view v);
  void setBinary(std::wstring_view path, std::wstring_view name, std::vector<std::uint8_t> v);
  // A value of a type the program never writes (REG_QWORD, say): it reads as missing.
  void setOther(std::wstring_view path, std::wstring_view name, std::vector<std::uint8_t> v);
  void removeValue(std::wstring_view path, std::wstring_view name);

  // ---- Inspecting ----
  bool hasKey(std::wstring_view path) const;
  std::optional<RegistryValue> value(std::wstring_view path, std::wstring_view name) const;
  // Value names of a key in creation order (empty when the key does not exist).
  std::vector<std::wstring> valueNamesOf(std::wstring_view path) const;
  std::size_t keyCount() const { return keys_.size(); }
  // Every successful change, in order. Failed writes are not in it.
  const std::vector<RegistryChange>& changes() const { return changes_; }
  // The value names of the SetValue changes, in order: the save order at a glance.
  std::vector<std::wstring> writtenNames() const;
  void clearChanges() { changes_.clear(); }
  // Value writes and deletions attempted through open keys, failed ones included.
  std::size_t writeAttempts() const { return writeAttempts_; }
  // Keys opened or created and not yet closed.
  int openKeyCount() const { return openKeys_; }

  // ---- Fault injection (value writes and value deletions count as writes) ----
  // The n-th write attempted from now on fails (1 = the next one).
  void failWriteAttempt(std::size_t n);
  // Every write of a value with this name fails, in any key.
  void failWritesOf(std::wstring_view name);
  void failOpen(std::wstring_view path);    // openKey of this path fails
  void failCreate(std::wstring_view path);  // createKey of this path fails
  void failDeleteKeyTree(std::wstring_view path);
  void clearFaults();

 private:
  friend class FakeRegistryKey;

  struct StoredValue {
    std::wstring name;
    RegistryValue value;
  };
  struct StoredKey {
    std::wstring path;
    std::vector<StoredValue> values;
  };

  static std::wstring normalise(std::wstring_view path);
  static std::wstring fold(std::wstring_view text);
  StoredKey* find(std::wstring_view path);
  const StoredKey* find(std::wstring_view path) const;
  StoredKey& ensure(std::wstring_view path, bool logCreation);
  static StoredValue* findValue(StoredKey& key, std::wstring_view name);
  static const StoredValue* findValue(const StoredKey& key, std::wstring_view name);
  // Counts a write attempt and says whether an injected fault makes it fail.
  bool writeShouldFail(std::wstring_view name);

  std::map<std::wstring, StoredKey> keys_;  // by folded path
  std::vector<RegistryChange> changes_;
  std::size_t writeAttempts_ = 0;
  std::set<std::size_t> failingAttempts_;
  std::set<std::wstring> failingNames_;
  std::set<std::wstring> failingOpens_;
  std::set<std::wstring> failingCreates_;
  std::set<std::wstring> failingDeletes_;
  int openKeys_ = 0;
};

}  // namespace tikora
