// JSON value and UTF-8 conversion for the driver's output.
#include "json.h"

#include <windows.h>

namespace tikora::driver {

std::string toUtf8(const std::wstring& text) {
  if (text.empty()) return {};
  int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), size, nullptr, nullptr);
  return out;
}

std::wstring fromUtf8(const std::string& text) {
  if (text.empty()) return {};
  int size = MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring out(static_cast<size_t>(size), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), size);
  return out;
}

Json::Json(const wchar_t* text) : kind_(Kind::String), text_(toUtf8(text ? text : L"")) {}
Json::Json(const std::wstring& text) : kind_(Kind::String), text_(toUtf8(text)) {}

Json& Json::set(const std::string& key, Json value) {
  for (auto& item : items_) {
    if (item.first == key) {
      item.second = std::move(value);
      return *this;
    }
  }
  items_.emplace_back(key, std::move(value));
  return *this;
}

Json& Json::push(Json value) {
  items_.emplace_back(std::string(), std::move(value));
  return *this;
}

const Json* Json::find(const std::string& key) const {
  for (const auto& item : items_) {
    if (item.first == key) return &item.second;
  }
  return nullptr;
}

static void appendQuoted(std::string& out, const std::string& text) {
  static const char hex[] = "0123456789abcdef";
  out += '"';
  for (unsigned char c : text) {
    switch (c) {
      case '"': out += "\\\""; break;
      case '\\': out += "\\\\"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      case '\t': out += "\\t"; break;
      default:
        if (c < 0x20) {
          out += "\\u00";
          out += hex[c >> 4];
          out += hex[c & 15];
        } else {
          out += static_cast<char>(c);
        }
    }
  }
  out += '"';
}

void Json::dumpTo(std::string& out) const {
  switch (kind_) {
    case Kind::Null: out += "null"; break;
    case Kind::Bool: out += number_ ? "true" : "false"; break;
    case Kind::Number: out += std::to_string(number_); break;
    case Kind::String: appendQuoted(out, text_); break;
    case Kind::Array:
    case Kind::Object: {
      bool isObject = kind_ == Kind::Object;
      out += isObject ? '{' : '[';
      bool first = true;
      for (const auto& item : items_) {
        if (!first) out += ", ";
        first = false;
        if (isObject) {
          appendQuoted(out, item.first);
          out += ": ";
        }
        item.second.dumpTo(out);
      }
      out += isObject ? '}' : ']';
      break;
    }
  }
}

std::string Json::dump() const {
  std::string out;
  dumpTo(out);
  return out;
}

namespace {

void skipBlanks(const std::string& text, size_t& i) {
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t' || text[i] == '\r' || text[i] == '\n')) ++i;
}

int hexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

bool parseString(const std::string& text, size_t& i, std::wstring& out) {
  if (i >= text.size() || text[i] != '"') return false;
  ++i;
  std::string utf8;  // plain bytes gathered here, \u escapes appended as UTF-16 after conversion
  std::wstring result;
  auto flush = [&] {
    result += fromUtf8(utf8);
    utf8.clear();
  };
  while (i < text.size()) {
    char c = text[i++];
    if (c == '"') {
      flush();
      out = result;
      return true;
    }
    if (c != '\\') {
      utf8 += c;
      continue;
    }
    if (i >= text.size()) return false;
    char e = text[i++];
    switch (e) {
      case '"': utf8 += '"'; break;
      case '\\': utf8 += '\\'; break;
      case '/': utf8 += '/'; break;
      case 'b': utf8 += '\b'; break;
      case 'f': utf8 += '\f'; break;
      case 'n': utf8 += '\n'; break;
      case 'r': utf8 += '\r'; break;
      case 't': utf8 += '\t'; break;
      case 'u': {
        if (i + 4 > text.size()) return false;
        int value = 0;
        for (int k = 0; k < 4; ++k) {
          int digit = hexDigit(text[i + k]);
          if (digit < 0) return false;
          value = value * 16 + digit;
        }
        i += 4;
        flush();
        result += static_cast<wchar_t>(value);  // surrogate pairs arrive as two escapes
        break;
      }
      default: return false;
    }
  }
  return false;
}

}  // namespace

bool parseStringArray(const std::string& text, std::vector<std::wstring>& out) {
  out.clear();
  size_t i = 0;
  skipBlanks(text, i);
  if (i >= text.size() || text[i] != '[') return false;
  ++i;
  skipBlanks(text, i);
  if (i < text.size() && text[i] == ']') {
    ++i;
  } else {
    for (;;) {
      skipBlanks(text, i);
      std::wstring item;
      if (!parseString(text, i, item)) return false;
      out.push_back(item);
      skipBlanks(text, i);
      if (i < text.size() && text[i] == ',') {
        ++i;
        continue;
      }
      if (i < text.size() && text[i] == ']') {
        ++i;
        break;
      }
      return false;
    }
  }
  skipBlanks(text, i);
  return i == text.size();
}

}  // namespace tikora::driver
