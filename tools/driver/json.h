// A small JSON value for the driver's output: objects keep their insertion order so the
// printed records read in a stable, human-friendly order.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace tikora::driver {

class Json {
 public:
  enum class Kind { Null, Bool, Number, String, Array, Object };

  Json() = default;
  Json(std::nullptr_t) {}
  Json(bool value) : kind_(Kind::Bool), number_(value ? 1 : 0) {}
  Json(int value) : kind_(Kind::Number), number_(value) {}
  Json(unsigned value) : kind_(Kind::Number), number_(value) {}
  Json(long value) : kind_(Kind::Number), number_(value) {}
  Json(unsigned long value) : kind_(Kind::Number), number_(static_cast<int64_t>(value)) {}
  Json(long long value) : kind_(Kind::Number), number_(value) {}
  Json(unsigned long long value) : kind_(Kind::Number), number_(static_cast<int64_t>(value)) {}
  Json(const char* utf8) : kind_(Kind::String), text_(utf8) {}
  Json(std::string utf8) : kind_(Kind::String), text_(std::move(utf8)) {}
  Json(const wchar_t* text);
  Json(const std::wstring& text);

  static Json array() {
    Json j;
    j.kind_ = Kind::Array;
    return j;
  }
  static Json object() {
    Json j;
    j.kind_ = Kind::Object;
    return j;
  }

  // Object member (replaces an existing one of the same name); returns *this for chaining.
  Json& set(const std::string& key, Json value);
  Json& push(Json value);

  Kind kind() const { return kind_; }
  size_t size() const { return items_.size(); }
  const Json* find(const std::string& key) const;
  const Json& at(size_t index) const { return items_.at(index).second; }
  int64_t number() const { return number_; }
  const std::string& text() const { return text_; }

  std::string dump() const;

 private:
  void dumpTo(std::string& out) const;

  Kind kind_ = Kind::Null;
  int64_t number_ = 0;
  std::string text_;
  std::vector<std::pair<std::string, Json>> items_;  // array items keep an empty key
};

// Parses a JSON array of strings (the serve protocol's requests); false on anything else.
bool parseStringArray(const std::string& utf8, std::vector<std::wstring>& out);

std::string toUtf8(const std::wstring& text);
std::wstring fromUtf8(const std::string& text);

}  // namespace tikora::driver
