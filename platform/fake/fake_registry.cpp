// In-memory registry for tests; see fake_registry.h.
#include "platform/fake/fake_registry.h"

#include <algorithm>
#include <cwctype>
#include <utility>

namespace tikora {
namespace {

// The system's error codes, so a fake failure looks like a real one.
constexpr std::uint32_t kFileNotFound = 2;   // ERROR_FILE_NOT_FOUND
constexpr std::uint32_t kAccessDenied = 5;   // ERROR_ACCESS_DENIED
constexpr std::uint32_t kKeyDeleted = 1018;  // ERROR_KEY_DELETED

std::wstring cutAtNul(const std::wstring& text) { return text.substr(0, text.find(L'\0')); }

// Value names match in any case; compared in place, as every read and write looks one up among
// all of a key's values.
bool sameName(std::wstring_view a, std::wstring_view b) {
  return std::ranges::equal(a, b, [](wchar_t x, wchar_t y) {
    return x == y || std::towlower(static_cast<wint_t>(x)) == std::towlower(static_cast<wint_t>(y));
  });
}

bool canRead(KeyAccess access) { return access != KeyAccess::Write; }
bool canWrite(KeyAccess access) { return access != KeyAccess::Read; }

}  // namespace

class FakeRegistryKey : public RegistryKey {
 public:
  FakeRegistryKey(FakeRegistry& registry, std::wstring path, KeyAccess access)
      : registry_(registry), path_(std::move(path)), access_(access) {
    ++registry_.openKeys_;
  }
  ~FakeRegistryKey() override { --registry_.openKeys_; }
  FakeRegistryKey(const FakeRegistryKey&) = delete;
  FakeRegistryKey& operator=(const FakeRegistryKey&) = delete;

  std::optional<std::uint32_t> readDword(std::wstring_view name) const override {
    auto v = readValue(name);
    if (!v || v->type != RegistryValueType::Dword) return std::nullopt;
    return v->dword;
  }

  std::optional<std::wstring> readString(std::wstring_view name) const override {
    auto v = readValue(name);
    if (!v) return std::nullopt;
    if (v->type != RegistryValueType::String && v->type != RegistryValueType::ExpandString) return std::nullopt;
    return cutAtNul(v->text);
  }

  std::optional<std::vector<std::uint8_t>> readBinary(std::wstring_view name, std::size_t size) const override {
    auto v = readValue(name);
    if (!v || v->type != RegistryValueType::Binary || v->bytes.size() != size) return std::nullopt;
    return v->bytes;
  }

  std::optional<RegistryValue> readValue(std::wstring_view name) const override {
    if (!canRead(access_)) return std::nullopt;
    const auto* key = registry_.find(path_);
    if (!key) return std::nullopt;
    const auto* stored = FakeRegistry::findValue(*key, name);
    if (!stored) return std::nullopt;
    return stored->value;
  }

  Status writeDword(std::wstring_view name, std::uint32_t value) override {
    return write(name, RegistryValue::ofDword(value));
  }
  Status writeString(std::wstring_view name, std::wstring_view value) override {
    return write(name, RegistryValue::ofString(std::wstring(value)));
  }
  Status writeBinary(std::wstring_view name, std::span<const std::uint8_t> bytes) override {
    return write(name, RegistryValue::ofBinary({bytes.begin(), bytes.end()}));
  }

  Status deleteValue(std::wstring_view name) override {
    if (auto failure = checkWritable(name)) return *failure;
    auto* key = registry_.find(path_);
    auto& values = key->values;
    auto it = std::find_if(values.begin(), values.end(), [&](const auto& v) { return sameName(v.name, name); });
    if (it == values.end()) return Error{kFileNotFound, L"value not found"};
    registry_.changes_.push_back({RegistryChangeKind::DeleteValue, key->path, it->name, {}});
    values.erase(it);
    return {};
  }

  Result<std::vector<std::wstring>> valueNames() const override {
    if (!canRead(access_)) return Error{kAccessDenied, L"key not opened for reading"};
    if (!registry_.find(path_)) return Error{kKeyDeleted, L"key was deleted"};
    return registry_.valueNamesOf(path_);
  }

 private:
  // Counts the attempt, then says why it cannot be done, if it cannot.
  std::optional<Error> checkWritable(std::wstring_view name) {
    const bool injected = registry_.writeShouldFail(name);
    if (!canWrite(access_)) return Error{kAccessDenied, L"key not opened for writing"};
    if (!registry_.find(path_)) return Error{kKeyDeleted, L"key was deleted"};
    if (injected) return Error{kAccessDenied, L"injected write failure"};
    return std::nullopt;
  }

  Status write(std::wstring_view name, RegistryValue value) {
    if (auto failure = checkWritable(name)) return *failure;
    auto* key = registry_.find(path_);
    auto* stored = FakeRegistry::findValue(*key, name);
    if (stored) {
      stored->value = value;
    } else {
      key->values.push_back({std::wstring(name), value});
      stored = &key->values.back();
    }
    registry_.changes_.push_back({RegistryChangeKind::SetValue, key->path, stored->name, value});
    return {};
  }

  FakeRegistry& registry_;
  std::wstring path_;
  KeyAccess access_;
};

FakeRegistry::FakeRegistry() = default;
FakeRegistry::~FakeRegistry() = default;

std::wstring FakeRegistry::normalise(std::wstring_view path) {
  while (!path.empty() && path.front() == L'\\') path.remove_prefix(1);
  while (!path.empty() && path.back() == L'\\') path.remove_suffix(1);
  return std::wstring(path);
}

std::wstring FakeRegistry::fold(std::wstring_view text) {
  std::wstring folded(text);
  for (auto& c : folded) c = static_cast<wchar_t>(std::towlower(static_cast<wint_t>(c)));
  return folded;
}

FakeRegistry::StoredKey* FakeRegistry::find(std::wstring_view path) {
  auto it = keys_.find(fold(normalise(path)));
  return it == keys_.end() ? nullptr : &it->second;
}

const FakeRegistry::StoredKey* FakeRegistry::find(std::wstring_view path) const {
  auto it = keys_.find(fold(normalise(path)));
  return it == keys_.end() ? nullptr : &it->second;
}

FakeRegistry::StoredKey& FakeRegistry::ensure(std::wstring_view path, bool logCreation) {
  const std::wstring full = normalise(path);
  // Parents first, as the registry creates every missing level.
  std::size_t end = 0;
  StoredKey* key = nullptr;
  do {
    end = full.find(L'\\', end == 0 ? 0 : end + 1);
    const std::wstring level = full.substr(0, end);
    auto [it, inserted] = keys_.try_emplace(fold(level), StoredKey{level, {}});
    if (inserted && logCreation) changes_.push_back({RegistryChangeKind::CreateKey, level, {}, {}});
    key = &it->second;
  } while (end != std::wstring::npos);
  return *key;
}

FakeRegistry::StoredValue* FakeRegistry::findValue(StoredKey& key, std::wstring_view name) {
  for (auto& v : key.values)
    if (sameName(v.name, name)) return &v;
  return nullptr;
}

const FakeRegistry::StoredValue* FakeRegistry::findValue(const StoredKey& key, std::wstring_view name) {
  return findValue(const_cast<StoredKey&>(key), name);
}

bool FakeRegistry::writeShouldFail(std::wstring_view name) {
  ++writeAttempts_;
  return failingAttempts_.erase(writeAttempts_) > 0 || failingNames_.count(fold(name)) > 0;
}

Result<std::unique_ptr<RegistryKey>> FakeRegistry::openKey(std::wstring_view path, KeyAccess access) {
  const auto folded = fold(normalise(path));
  if (failingOpens_.count(folded)) return Error{kAccessDenied, L"injected open failure"};
  if (!find(path)) return Error{kFileNotFound, L"key not found"};
  return std::unique_ptr<RegistryKey>(std::make_unique<FakeRegistryKey>(*this, folded, access));
}

Result<std::unique_ptr<RegistryKey>> FakeRegistry::createKey(std::wstring_view path) {
  const auto folded = fold(normalise(path));
  if (failingCreates_.count(folded)) return Error{kAccessDenied, L"injected create failure"};
  if (folded.empty()) return Error{kAccessDenied, L"no key path"};
  ensure(path, true);
  return std::unique_ptr<RegistryKey>(std::make_unique<FakeRegistryKey>(*this, folded, KeyAccess::ReadWrite));
}

bool FakeRegistry::keyExists(std::wstring_view path) { return hasKey(path); }

Status FakeRegistry::deleteKeyTree(std::wstring_view path) {
  const auto folded = fold(normalise(path));
  if (failingDeletes_.count(folded)) return Error{kAccessDenied, L"injected delete failure"};
  auto it = keys_.find(folded);
  if (folded.empty() || it == keys_.end()) return Error{kFileNotFound, L"key not found"};
  changes_.push_back({RegistryChangeKind::DeleteKeyTree, it->second.path, {}, {}});
  const std::wstring below = folded + L'\\';
  std::erase_if(keys_, [&](const auto& entry) { return entry.first == folded || entry.first.starts_with(below); });
  return {};
}

void FakeRegistry::addKey(std::wstring_view path) { ensure(path, false); }

void FakeRegistry::set(std::wstring_view path, std::wstring_view name, RegistryValue value) {
  auto& key = ensure(path, false);
  if (auto* stored = findValue(key, name))
    stored->value = std::move(value);
  else
    key.values.push_back({std::wstring(name), std::move(value)});
}

void FakeRegistry::setDword(std::wstring_view path, std::wstring_view name, std::uint32_t v) {
  set(path, name, RegistryValue::ofDword(v));
}
void FakeRegistry::setString(std::wstring_view path, std::wstring_view name, std::wstring_view v) {
  set(path, name, RegistryValue::ofString(std::wstring(v)));
}
void FakeRegistry::setExpandString(std::wstring_view path, std::wstring_view name, std::wstring_view v) {
  set(path, name, RegistryValue::ofExpandString(std::wstring(v)));
}
void FakeRegistry::setBinary(std::wstring_view path, std::wstring_view name, std::vector<std::uint8_t> v) {
  set(path, name, RegistryValue::ofBinary(std::move(v)));
}
void FakeRegistry::setOther(std::wstring_view path, std::wstring_view name, std::vector<std::uint8_t> v) {
  set(path, name, RegistryValue{RegistryValueType::Other, 0, {}, std::move(v)});
}

void FakeRegistry::removeValue(std::wstring_view path, std::wstring_view name) {
  if (auto* key = find(path)) {
    const auto folded = fold(name);
    std::erase_if(key->values, [&](const StoredValue& v) { return fold(v.name) == folded; });
  }
}

bool FakeRegistry::hasKey(std::wstring_view path) const { return !normalise(path).empty() && find(path) != nullptr; }

std::optional<RegistryValue> FakeRegistry::value(std::wstring_view path, std::wstring_view name) const {
  const auto* key = find(path);
  if (!key) return std::nullopt;
  const auto* stored = findValue(*key, name);
  if (!stored) return std::nullopt;
  return stored->value;
}

std::vector<std::wstring> FakeRegistry::valueNamesOf(std::wstring_view path) const {
  std::vector<std::wstring> names;
  if (const auto* key = find(path))
    for (const auto& v : key->values) names.push_back(v.name);
  return names;
}

std::vector<std::wstring> FakeRegistry::writtenNames() const {
  std::vector<std::wstring> names;
  for (const auto& change : changes_)
    if (change.kind == RegistryChangeKind::SetValue) names.push_back(change.name);
  return names;
}

void FakeRegistry::failWriteAttempt(std::size_t n) {
  if (n > 0) failingAttempts_.insert(writeAttempts_ + n);
}
void FakeRegistry::failWritesOf(std::wstring_view name) { failingNames_.insert(fold(name)); }
void FakeRegistry::failOpen(std::wstring_view path) { failingOpens_.insert(fold(normalise(path))); }
void FakeRegistry::failCreate(std::wstring_view path) { failingCreates_.insert(fold(normalise(path))); }
void FakeRegistry::failDeleteKeyTree(std::wstring_view path) { failingDeletes_.insert(fold(normalise(path))); }

void FakeRegistry::clearFaults() {
  failingAttempts_.clear();
  failingNames_.clear();
  failingOpens_.clear();
  failingCreates_.clear();
  failingDeletes_.clear();
}

}  // namespace tikora
