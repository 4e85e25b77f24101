// Command-line options of the driver: "--name value" pairs (a name may repeat) and flags,
// with number parsing that accepts decimal and 0x-prefixed hexadecimal.
#pragma once

#include <windows.h>

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace tikora::driver {

// A failure reported to the caller as {"error": ...}. Usage errors exit with 2, others with 1.
class DriverError : public std::runtime_error {
 public:
  enum class Kind { Usage, Failure, Timeout };
  DriverError(Kind kind, const std::string& message) : std::runtime_error(message), kind_(kind) {}
  Kind kind() const { return kind_; }

 private:
  Kind kind_;
};

[[noreturn]] void fail(const std::string& message);
[[noreturn]] void failUsage(const std::string& message);
[[noreturn]] void failTimeout(const std::string& message);

class Options {
 public:
  // Parses argv[first..argc). Every "--name" takes the next argument as its value unless the
  // name is one of the known flags.
  Options(int argc, wchar_t** argv, int first, const std::vector<std::wstring>& flags);

  bool has(const std::wstring& name) const;
  bool flag(const std::wstring& name) const { return has(name); }
  std::wstring text(const std::wstring& name, const std::wstring& fallback = L"") const;
  std::wstring required(const std::wstring& name) const;
  std::vector<std::wstring> all(const std::wstring& name) const;
  int64_t number(const std::wstring& name, int64_t fallback) const;
  int64_t requiredNumber(const std::wstring& name) const;
  // Timeout in milliseconds from --timeout (default given).
  DWORD timeoutMs(DWORD fallback) const;

 private:
  std::vector<std::pair<std::wstring, std::wstring>> values_;
};

// Parses "123", "-5" or "0x1F"; fails with a usage error on anything else.
int64_t parseNumber(const std::wstring& text, const std::wstring& what);
// Parses "X,Y" into a point.
POINT parsePoint(const std::wstring& text);

std::string narrow(const std::wstring& text);

// Strips "&" mnemonic markers ("&&" stays one "&") and compares case-insensitively.
std::wstring withoutMnemonics(const std::wstring& text);
bool sameLabel(const std::wstring& a, const std::wstring& b);

}  // namespace tikora::driver
