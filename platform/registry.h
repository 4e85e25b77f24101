// The current user's registry, as the settings, planner, RSS and start-with-Windows code use it.
// Key paths are relative to the root of HKEY_CURRENT_USER ("Tikora", "Tikora\Data",
// "\Software\Microsoft\Windows\CurrentVersion\Run"); leading backslashes are ignored and key
// and value names compare without regard to case, as in the registry itself.
//
// Reading is strict about types: a value stored with another type than the one asked for reads
// as missing, and so does a raw-bytes value of another length than the one asked for.
#pragma once
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/result.h"

namespace tikora {

enum class RegistryValueType {
  Dword,         // REG_DWORD, 32-bit little-endian
  String,        // REG_SZ
  ExpandString,  // REG_EXPAND_SZ, always used unexpanded
  Binary,        // REG_BINARY
  Other,         // anything else (REG_QWORD, REG_MULTI_SZ, ...): never read as any of the above
};

// One stored value. Only the member that belongs to `type` is meaningful; `bytes` also carries
// the raw data of an Other value.
struct RegistryValue {
  RegistryValueType type = RegistryValueType::Binary;
  std::uint32_t dword = 0;
  std::wstring text;
  std::vector<std::uint8_t> bytes;

  static RegistryValue ofDword(std::uint32_t v) { return {RegistryValueType::Dword, v, {}, {}}; }
  static RegistryValue ofString(std::wstring v) { return {RegistryValueType::String, 0, std::move(v), {}}; }
  static RegistryValue ofExpandString(std::wstring v) { return {RegistryValueType::ExpandString, 0, std::move(v), {}}; }
  static RegistryValue ofBinary(std::vector<std::uint8_t> v) {
    return {RegistryValueType::Binary, 0, {}, std::move(v)};
  }

  friend bool operator==(const RegistryValue&, const RegistryValue&) = default;
};

enum class KeyAccess { Read, Write, ReadWrite };

// An open key. Closed when the object is destroyed.
class RegistryKey {
 public:
  virtual ~RegistryKey() = default;

  // REG_DWORD of 4 bytes, else missing.
  virtual std::optional<std::uint32_t> readDword(std::wstring_view name) const = 0;
  // REG_SZ or REG_EXPAND_SZ (unexpanded), cut at the first NUL, else missing.
  virtual std::optional<std::wstring> readString(std::wstring_view name) const = 0;
  // REG_BINARY of exactly `size` bytes, else missing.
  virtual std::optional<std::vector<std::uint8_t>> readBinary(std::wstring_view name, std::size_t size) const = 0;
  // Whatever is stored under the name, with its type.
  virtual std::optional<RegistryValue> readValue(std::wstring_view name) const = 0;

  virtual Status writeDword(std::wstring_view name, std::uint32_t value) = 0;
  virtual Status writeString(std::wstring_view name, std::wstring_view value) = 0;  // as REG_SZ
  virtual Status writeBinary(std::wstring_view name, std::span<const std::uint8_t> bytes) = 0;
  virtual Status deleteValue(std::wstring_view name) = 0;

  // Names of all values of the key (the unnamed default value, if set, as an empty name).
  virtual Result<std::vector<std::wstring>> valueNames() const = 0;
};

class Registry {
 public:
  virtual ~Registry() = default;

  // Opens an existing key; fails when it does not exist.
  virtual Result<std::unique_ptr<RegistryKey>> openKey(std::wstring_view path, KeyAccess access) = 0;
  // Opens a key for reading and writing, creating it and any missing parents first.
  virtual Result<std::unique_ptr<RegistryKey>> createKey(std::wstring_view path) = 0;
  virtual bool keyExists(std::wstring_view path) = 0;
  // Deletes the key with all its values and subkeys.
  virtual Status deleteKeyTree(std::wstring_view path) = 0;
};

}  // namespace tikora
