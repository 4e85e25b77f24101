// Registry commands: reg-read, reg-write, reg-delete.
#include "registry.h"

#include <windows.h>

#include <cwchar>
#include <vector>

namespace tikora::driver {
namespace {

struct Root {
  const wchar_t* shortName;
  const wchar_t* longName;
  HKEY key;
};

const Root kRoots[] = {
    {L"HKCU", L"HKEY_CURRENT_USER", HKEY_CURRENT_USER},
    {L"HKLM", L"HKEY_LOCAL_MACHINE", HKEY_LOCAL_MACHINE},
    {L"HKCR", L"HKEY_CLASSES_ROOT", HKEY_CLASSES_ROOT},
    {L"HKU", L"HKEY_USERS", HKEY_USERS},
};

// "HKCU\Tikora" or "HKEY_CURRENT_USER\Tikora" -> the root, its long name and the path below it.
struct KeyPath {
  HKEY root;
  std::wstring longRoot;
  std::wstring below;
  std::wstring full() const { return below.empty() ? longRoot : longRoot + L"\\" + below; }
};

KeyPath parseKey(const std::wstring& text) {
  const size_t slash = text.find(L'\\');
  const std::wstring head = text.substr(0, slash);
  for (const auto& root : kRoots) {
    if (_wcsicmp(head.c_str(), root.shortName) == 0 || _wcsicmp(head.c_str(), root.longName) == 0) {
      return {root.key, root.longName, slash == std::wstring::npos ? L"" : text.substr(slash + 1)};
    }
  }
  failUsage("unknown registry root in " + narrow(text));
}

class OpenKey {
 public:
  OpenKey(HKEY root, const std::wstring& path, REGSAM access) {
    status_ = RegOpenKeyExW(root, path.c_str(), 0, access, &key_);
  }
  OpenKey(const OpenKey&) = delete;
  OpenKey& operator=(const OpenKey&) = delete;
  ~OpenKey() {
    if (status_ == ERROR_SUCCESS) RegCloseKey(key_);
  }
  explicit operator bool() const { return status_ == ERROR_SUCCESS; }
  operator HKEY() const { return key_; }

 private:
  HKEY key_ = nullptr;
  LSTATUS status_ = ERROR_FILE_NOT_FOUND;
};

const char* typeName(DWORD type) {
  switch (type) {
    case REG_NONE: return "REG_NONE";
    case REG_SZ: return "REG_SZ";
    case REG_EXPAND_SZ: return "REG_EXPAND_SZ";
    case REG_BINARY: return "REG_BINARY";
    case REG_DWORD: return "REG_DWORD";
    case REG_MULTI_SZ: return "REG_MULTI_SZ";
    case REG_QWORD: return "REG_QWORD";
    default: return "REG_UNKNOWN";
  }
}

std::string hex(const BYTE* data, DWORD size) {
  static const char digits[] = "0123456789abcdef";
  std::string out;
  for (DWORD i = 0; i < size; ++i) {
    out += digits[data[i] >> 4];
    out += digits[data[i] & 15];
  }
  return out;
}

std::vector<BYTE> unhex(const std::wstring& text) {
  if (text.size() % 2) failUsage("binary data needs an even number of hex digits");
  std::vector<BYTE> out;
  for (size_t i = 0; i < text.size(); i += 2) {
    out.push_back(static_cast<BYTE>(parseNumber(L"0x" + text.substr(i, 2), L"data")));
  }
  return out;
}

// Strings as stored, without the terminating NUL (one is stored with every string).
std::wstring storedText(const std::vector<BYTE>& data) {
  std::wstring text(reinterpret_cast<const wchar_t*>(data.data()), data.size() / sizeof(wchar_t));
  if (!text.empty() && text.back() == L'\0') text.pop_back();
  return text;
}

Json valueJson(DWORD type, const std::vector<BYTE>& data) {
  Json value;
  switch (type) {
    case REG_DWORD:
      value = data.size() >= 4 ? Json(static_cast<unsigned long long>(*reinterpret_cast<const DWORD*>(data.data())))
                               : Json(nullptr);
      break;
    case REG_QWORD:
      value = data.size() >= 8 ? Json(*reinterpret_cast<const unsigned long long*>(data.data())) : Json(nullptr);
      break;
    case REG_SZ:
    case REG_EXPAND_SZ: value = Json(storedText(data)); break;
    case REG_MULTI_SZ: {
      value = Json::array();
      const std::wstring all = storedText(data);
      for (size_t start = 0; start < all.size();) {
        const size_t end = all.find(L'\0', start);
        const std::wstring item = all.substr(start, end == std::wstring::npos ? std::wstring::npos : end - start);
        if (item.empty()) break;
        value.push(item);
        if (end == std::wstring::npos) break;
        start = end + 1;
      }
      break;
    }
    default: value = Json(hex(data.data(), static_cast<DWORD>(data.size())));
  }
  return Json::object().set("type", typeName(type)).set("value", std::move(value));
}

// The key's values, then its subkeys' depth first, under their full names.
void readTree(HKEY key, const std::wstring& name, Json& keys) {
  Json values = Json::object();
  std::vector<wchar_t> valueName(16384);
  for (DWORD index = 0;; ++index) {
    DWORD nameLength = static_cast<DWORD>(valueName.size());
    DWORD type = 0, size = 0;
    if (RegEnumValueW(key, index, valueName.data(), &nameLength, nullptr, &type, nullptr, &size) != ERROR_SUCCESS) {
      break;
    }
    std::vector<BYTE> data(size);
    nameLength = static_cast<DWORD>(valueName.size());
    if (RegEnumValueW(key, index, valueName.data(), &nameLength, nullptr, &type, data.data(), &size) != ERROR_SUCCESS) {
      break;
    }
    data.resize(size);
    values.set(toUtf8(std::wstring(valueName.data(), nameLength)), valueJson(type, data));
  }
  keys.set(toUtf8(name), std::move(values));
  std::vector<wchar_t> subName(256);
  for (DWORD index = 0;; ++index) {
    DWORD length = static_cast<DWORD>(subName.size());
    if (RegEnumKeyExW(key, index, subName.data(), &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) {
      break;
    }
    const std::wstring sub(subName.data(), length);
    OpenKey child(key, sub, KEY_READ);
    if (child) readTree(child, name + L"\\" + sub, keys);
  }
}

std::vector<BYTE> encodeValue(const std::wstring& type, const std::wstring& data, DWORD& kind) {
  std::vector<BYTE> out;
  auto bytesOf = [&](const void* p, size_t n) {
    const BYTE* b = static_cast<const BYTE*>(p);
    out.assign(b, b + n);
  };
  if (type == L"REG_DWORD") {
    kind = REG_DWORD;
    const DWORD value = static_cast<DWORD>(parseNumber(data, L"data"));
    bytesOf(&value, sizeof value);
  } else if (type == L"REG_QWORD") {
    kind = REG_QWORD;
    const unsigned long long value = static_cast<unsigned long long>(parseNumber(data, L"data"));
    bytesOf(&value, sizeof value);
  } else if (type == L"REG_SZ" || type == L"REG_EXPAND_SZ") {
    kind = type == L"REG_SZ" ? REG_SZ : REG_EXPAND_SZ;
    bytesOf(data.c_str(), (data.size() + 1) * sizeof(wchar_t));
  } else if (type == L"REG_MULTI_SZ") {
    kind = REG_MULTI_SZ;
    std::wstring joined = data;  // items separated by "\n"
    for (auto& c : joined) {
      if (c == L'\n') c = L'\0';
    }
    joined.append(2, L'\0');
    bytesOf(joined.data(), joined.size() * sizeof(wchar_t));
  } else if (type == L"REG_BINARY" || type == L"REG_NONE") {
    kind = type == L"REG_BINARY" ? REG_BINARY : REG_NONE;
    out = unhex(data);
  } else {
    failUsage("unknown value type " + narrow(type));
  }
  return out;
}

}  // namespace

Json commandRegRead(const Options& options) {
  const KeyPath path = parseKey(options.required(L"key"));
  OpenKey key(path.root, path.below, KEY_READ);
  if (!key) return Json::object().set("exists", false);
  Json keys = Json::object();
  readTree(key, path.full(), keys);
  return Json::object().set("exists", true).set("keys", std::move(keys));
}

// --key K, then one --name, --type and --data per value, in that order.
Json commandRegWrite(const Options& options) {
  const KeyPath path = parseKey(options.required(L"key"));
  const auto names = options.all(L"name"), types = options.all(L"type"), data = options.all(L"data");
  if (names.size() != types.size() || names.size() != data.size()) {
    failUsage("each value needs one --name, --type and --data");
  }
  HKEY key = nullptr;
  if (RegCreateKeyExW(path.root, path.below.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr) !=
      ERROR_SUCCESS) {
    fail("cannot create " + narrow(path.full()));
  }
  for (size_t i = 0; i < names.size(); ++i) {
    DWORD kind = REG_NONE;
    const std::vector<BYTE> bytes = encodeValue(types[i], data[i], kind);
    if (RegSetValueExW(key, names[i].c_str(), 0, kind, bytes.data(), static_cast<DWORD>(bytes.size())) !=
        ERROR_SUCCESS) {
      RegCloseKey(key);
      fail("cannot write " + narrow(names[i]));
    }
  }
  RegCloseKey(key);
  return Json::object().set("written", static_cast<unsigned>(names.size()));
}

Json commandRegDelete(const Options& options) {
  const KeyPath path = parseKey(options.required(L"key"));
  if (options.has(L"value")) {
    OpenKey key(path.root, path.below, KEY_SET_VALUE);
    const bool deleted = key && RegDeleteValueW(key, options.text(L"value").c_str()) == ERROR_SUCCESS;
    return Json::object().set("deleted", deleted);
  }
  if (path.below.empty()) failUsage("a root key cannot be deleted");
  // With a subkey named, the key goes too, not only what it holds.
  return Json::object().set("deleted", RegDeleteTreeW(path.root, path.below.c_str()) == ERROR_SUCCESS);
}

}  // namespace tikora::driver
