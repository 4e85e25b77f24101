// Registry keys and values through the wide-character registry API; see win32_registry.h.
// Values are read with RegQueryValueExW, which hands back the stored bytes as they are: no
// expansion of REG_EXPAND_SZ and no terminating NUL added to strings stored without one.
#include "platform/win32/win32_registry.h"

#include <cstring>
#include <limits>
#include <string>

#include "platform/win32/kernel_handles.h"
#include "platform/win32/system_error.h"

namespace tikora {
namespace {

std::wstring normalise(std::wstring_view path) {
  while (!path.empty() && path.front() == L'\\') path.remove_prefix(1);
  while (!path.empty() && path.back() == L'\\') path.remove_suffix(1);
  return std::wstring(path);
}

REGSAM rightsFor(KeyAccess access) {
  switch (access) {
    case KeyAccess::Read: return KEY_READ;
    case KeyAccess::Write: return KEY_WRITE;
    case KeyAccess::ReadWrite: return KEY_READ | KEY_WRITE;
  }
  return KEY_READ;
}

struct RawValue {
  DWORD type = REG_NONE;
  std::vector<std::uint8_t> bytes;
};

std::optional<RawValue> queryRaw(HKEY key, std::wstring_view name) {
  const std::wstring valueName(name);
  // The value may grow between asking its size and reading it; ask again then.
  for (int attempt = 0; attempt < 8; ++attempt) {
    RawValue raw;
    DWORD size = 0;
    if (RegQueryValueExW(key, valueName.c_str(), nullptr, &raw.type, nullptr, &size) != ERROR_SUCCESS)
      return std::nullopt;
    raw.bytes.resize(size);
    DWORD got = size;
    const LSTATUS status = RegQueryValueExW(key, valueName.c_str(), nullptr, &raw.type,
                                            raw.bytes.empty() ? nullptr : raw.bytes.data(), &got);
    if (status == ERROR_MORE_DATA) continue;
    if (status != ERROR_SUCCESS) return std::nullopt;
    raw.bytes.resize(got);
    return raw;
  }
  return std::nullopt;
}

// A stored string: whole UTF-16 units only (a stray odd byte is dropped), up to the first NUL,
// which may be missing.
std::wstring decodeString(const std::vector<std::uint8_t>& bytes) {
  std::wstring text(bytes.size() / sizeof(wchar_t), L'\0');
  if (!text.empty()) std::memcpy(text.data(), bytes.data(), text.size() * sizeof(wchar_t));
  return text.substr(0, text.find(L'\0'));
}

RegistryValueType typeOf(DWORD type) {
  switch (type) {
    case REG_DWORD: return RegistryValueType::Dword;
    case REG_SZ: return RegistryValueType::String;
    case REG_EXPAND_SZ: return RegistryValueType::ExpandString;
    case REG_BINARY: return RegistryValueType::Binary;
    default: return RegistryValueType::Other;
  }
}

class Win32RegistryKey : public RegistryKey {
 public:
  Win32RegistryKey(UniqueRegKey key, std::wstring path) : key_(std::move(key)), path_(std::move(path)) {}

  std::optional<std::uint32_t> readDword(std::wstring_view name) const override {
    auto raw = queryRaw(key_, name);
    if (!raw || raw->type != REG_DWORD || raw->bytes.size() != sizeof(std::uint32_t)) return std::nullopt;
    std::uint32_t value = 0;
    std::memcpy(&value, raw->bytes.data(), sizeof value);
    return value;
  }

  std::optional<std::wstring> readString(std::wstring_view name) const override {
    auto raw = queryRaw(key_, name);
    if (!raw || (raw->type != REG_SZ && raw->type != REG_EXPAND_SZ)) return std::nullopt;
    return decodeString(raw->bytes);
  }

  std::optional<std::vector<std::uint8_t>> readBinary(std::wstring_view name, std::size_t size) const override {
    auto raw = queryRaw(key_, name);
    if (!raw || raw->type != REG_BINARY || raw->bytes.size() != size) return std::nullopt;
    return std::move(raw->bytes);
  }

  std::optional<RegistryValue> readValue(std::wstring_view name) const override {
    auto raw = queryRaw(key_, name);
    if (!raw) return std::nullopt;
    RegistryValue value;
    value.type = typeOf(raw->type);
    switch (value.type) {
      case RegistryValueType::Dword:
        if (raw->bytes.size() != sizeof(std::uint32_t)) {
          value.type = RegistryValueType::Other;  // a malformed DWORD is no DWORD
          value.bytes = std::move(raw->bytes);
        } else {
          std::memcpy(&value.dword, raw->bytes.data(), sizeof value.dword);
        }
        break;
      case RegistryValueType::String:
      case RegistryValueType::ExpandString: value.text = decodeString(raw->bytes); break;
      case RegistryValueType::Binary:
      case RegistryValueType::Other: value.bytes = std::move(raw->bytes); break;
    }
    return value;
  }

  Status writeDword(std::wstring_view name, std::uint32_t value) override {
    return set(name, REG_DWORD, &value, sizeof value);
  }

  Status writeString(std::wstring_view name, std::wstring_view value) override {
    const std::wstring text(value);  // stored with its terminating NUL
    const std::size_t size = (text.size() + 1) * sizeof(wchar_t);
    return set(name, REG_SZ, text.c_str(), size);
  }

  Status writeBinary(std::wstring_view name, std::span<const std::uint8_t> bytes) override {
    return set(name, REG_BINARY, bytes.data(), bytes.size());
  }

  Status deleteValue(std::wstring_view name) override {
    const std::wstring valueName(name);
    const LSTATUS status = RegDeleteValueW(key_, valueName.c_str());
    if (status != ERROR_SUCCESS) return systemError(status, L"delete value " + valueName + L" of " + path_);
    return {};
  }

  Result<std::vector<std::wstring>> valueNames() const override {
    DWORD longest = 0;
    LSTATUS status = RegQueryInfoKeyW(key_, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &longest,
                                      nullptr, nullptr, nullptr);
    if (status != ERROR_SUCCESS) return systemError(status, L"list values of " + path_);
    std::vector<std::wstring> names;
    std::wstring buffer(longest + 1, L'\0');
    for (DWORD index = 0;;) {
      DWORD length = static_cast<DWORD>(buffer.size());
      status = RegEnumValueW(key_, index, buffer.data(), &length, nullptr, nullptr, nullptr, nullptr);
      if (status == ERROR_NO_MORE_ITEMS) break;
      if (status == ERROR_MORE_DATA) {  // a longer name was added meanwhile
        if (buffer.size() >= 32768) return systemError(status, L"list values of " + path_);
        buffer.resize(buffer.size() * 2);
        continue;
      }
      if (status != ERROR_SUCCESS) return systemError(status, L"list values of " + path_);
      names.emplace_back(buffer.data(), length);
      ++index;
    }
    return names;
  }

 private:
  Status set(std::wstring_view name, DWORD type, const void* data, std::size_t size) {
    const std::wstring valueName(name);
    if (size > std::numeric_limits<DWORD>::max())
      return systemError(ERROR_INVALID_PARAMETER, L"write value " + valueName + L" of " + path_);
    const LSTATUS status =
        RegSetValueExW(key_, valueName.c_str(), 0, type, static_cast<const BYTE*>(data), static_cast<DWORD>(size));
    if (status != ERROR_SUCCESS) return systemError(status, L"write value " + valueName + L" of " + path_);
    return {};
  }

  UniqueRegKey key_;
  std::wstring path_;
};

}  // namespace

Result<std::unique_ptr<RegistryKey>> Win32Registry::openKey(std::wstring_view path, KeyAccess access) {
  const std::wstring subKey = normalise(path);
  UniqueRegKey key;
  const LSTATUS status = RegOpenKeyExW(root_, subKey.c_str(), 0, rightsFor(access), key.receive());
  if (status != ERROR_SUCCESS) return systemError(status, L"open key " + subKey);
  return std::unique_ptr<RegistryKey>(std::make_unique<Win32RegistryKey>(std::move(key), subKey));
}

Result<std::unique_ptr<RegistryKey>> Win32Registry::createKey(std::wstring_view path) {
  const std::wstring subKey = normalise(path);
  if (subKey.empty()) return systemError(ERROR_INVALID_PARAMETER, L"create key");
  UniqueRegKey key;
  const LSTATUS status = RegCreateKeyExW(root_, subKey.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                         KEY_READ | KEY_WRITE, nullptr, key.receive(), nullptr);
  if (status != ERROR_SUCCESS) return systemError(status, L"create key " + subKey);
  return std::unique_ptr<RegistryKey>(std::make_unique<Win32RegistryKey>(std::move(key), subKey));
}

bool Win32Registry::keyExists(std::wstring_view path) {
  const std::wstring subKey = normalise(path);
  if (subKey.empty()) return false;
  UniqueRegKey key;
  const LSTATUS status = RegOpenKeyExW(root_, subKey.c_str(), 0, KEY_QUERY_VALUE, key.receive());
  // A key we may not read still exists.
  return status == ERROR_SUCCESS || status == ERROR_ACCESS_DENIED;
}

Status Win32Registry::deleteKeyTree(std::wstring_view path) {
  const std::wstring subKey = normalise(path);
  if (subKey.empty()) return systemError(ERROR_INVALID_PARAMETER, L"delete key");
  const LSTATUS status = RegDeleteTreeW(root_, subKey.c_str());
  if (status != ERROR_SUCCESS) return systemError(status, L"delete key " + subKey);
  return {};
}

}  // namespace tikora
