// Command-line option parsing for the driver.
#include "options.h"

#include <algorithm>
#include <cwctype>

#include "json.h"

namespace tikora::driver {

void fail(const std::string& message) { throw DriverError(DriverError::Kind::Failure, message); }
void failUsage(const std::string& message) { throw DriverError(DriverError::Kind::Usage, message); }
void failTimeout(const std::string& message) { throw DriverError(DriverError::Kind::Timeout, message); }

std::string narrow(const std::wstring& text) { return toUtf8(text); }

Options::Options(int argc, wchar_t** argv, int first, const std::vector<std::wstring>& flags) {
  for (int i = first; i < argc; ++i) {
    std::wstring arg = argv[i];
    if (arg.rfind(L"--", 0) != 0) failUsage("unexpected argument: " + narrow(arg));
    std::wstring name = arg.substr(2);
    if (std::find(flags.begin(), flags.end(), name) != flags.end()) {
      values_.emplace_back(name, L"");
      continue;
    }
    if (i + 1 >= argc) failUsage("option --" + narrow(name) + " needs a value");
    values_.emplace_back(name, argv[++i]);
  }
}

bool Options::has(const std::wstring& name) const {
  return std::any_of(values_.begin(), values_.end(), [&](const auto& v) { return v.first == name; });
}

std::wstring Options::text(const std::wstring& name, const std::wstring& fallback) const {
  for (auto it = values_.rbegin(); it != values_.rend(); ++it) {
    if (it->first == name) return it->second;
  }
  return fallback;
}

std::wstring Options::required(const std::wstring& name) const {
  if (!has(name)) failUsage("missing option --" + narrow(name));
  return text(name);
}

std::vector<std::wstring> Options::all(const std::wstring& name) const {
  std::vector<std::wstring> out;
  for (const auto& v : values_) {
    if (v.first == name) out.push_back(v.second);
  }
  return out;
}

int64_t Options::number(const std::wstring& name, int64_t fallback) const {
  return has(name) ? parseNumber(text(name), name) : fallback;
}

int64_t Options::requiredNumber(const std::wstring& name) const { return parseNumber(required(name), name); }

DWORD Options::timeoutMs(DWORD fallback) const {
  int64_t value = number(L"timeout", fallback);
  if (value < 0) failUsage("--timeout must not be negative");
  return static_cast<DWORD>(value);
}

int64_t parseNumber(const std::wstring& text, const std::wstring& what) {
  std::wstring body = text;
  bool negative = false;
  if (!body.empty() && (body[0] == L'-' || body[0] == L'+')) {
    negative = body[0] == L'-';
    body = body.substr(1);
  }
  int base = 10;
  if (body.size() > 2 && body[0] == L'0' && (body[1] == L'x' || body[1] == L'X')) {
    base = 16;
    body = body.substr(2);
  }
  if (body.empty()) failUsage("not a number for " + narrow(what) + ": \"" + narrow(text) + "\"");
  uint64_t value = 0;
  for (wchar_t c : body) {
    int digit;
    if (c >= L'0' && c <= L'9')
      digit = c - L'0';
    else if (base == 16 && c >= L'a' && c <= L'f')
      digit = c - L'a' + 10;
    else if (base == 16 && c >= L'A' && c <= L'F')
      digit = c - L'A' + 10;
    else
      failUsage("not a number for " + narrow(what) + ": \"" + narrow(text) + "\"");
    value = value * static_cast<uint64_t>(base) + static_cast<uint64_t>(digit);
  }
  int64_t result = static_cast<int64_t>(value);
  return negative ? -result : result;
}

POINT parsePoint(const std::wstring& text) {
  size_t comma = text.find(L',');
  if (comma == std::wstring::npos) failUsage("expected X,Y but got \"" + narrow(text) + "\"");
  POINT p;
  p.x = static_cast<LONG>(parseNumber(text.substr(0, comma), L"x"));
  p.y = static_cast<LONG>(parseNumber(text.substr(comma + 1), L"y"));
  return p;
}

std::wstring withoutMnemonics(const std::wstring& text) {
  std::wstring out;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == L'&') {
      if (i + 1 < text.size() && text[i + 1] == L'&') {
        out += L'&';
        ++i;
      }
      continue;
    }
    out += text[i];
  }
  return out;
}

bool sameLabel(const std::wstring& a, const std::wstring& b) {
  std::wstring x = withoutMnemonics(a), y = withoutMnemonics(b);
  if (x.size() != y.size()) return false;
  for (size_t i = 0; i < x.size(); ++i) {
    if (std::towlower(x[i]) != std::towlower(y[i])) return false;
  }
  return true;
}

}  // namespace tikora::driver
