// What the fuzz targets share: the fuzzer's bytes turned into text, cut into fields or read as a
// stream of small numbers and byte runs, and the stop on a broken promise.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/registry.h"

namespace tikora::fuzz {

// Separates the fields of a target that takes several texts.
inline constexpr char kFieldSeparator = '\x1F';

// Bytes as text: UTF-8 where it is valid, any other byte as the character of that value, so
// both the dictionary's words and every character below U+0100 reach the reader as typed.
std::wstring wideText(std::string_view bytes);
// Whether the bytes are well-formed UTF-8 throughout (no overlong form, surrogate or value past
// U+10FFFF).
bool isUtf8(std::string_view bytes);

// The bytes cut at each kFieldSeparator into exactly `count` fields: the last takes the rest,
// the missing ones are empty.
std::vector<std::string_view> fields(std::string_view bytes, std::size_t count);

// The input read front to back; past its end every read gives zeros and empty runs.
class ByteStream {
 public:
  explicit ByteStream(std::string_view bytes) : bytes_(bytes) {}

  bool done() const { return at_ >= bytes_.size(); }
  std::uint8_t byte();
  std::uint16_t word();  // little-endian
  // Up to `count` bytes, fewer at the end.
  std::string_view run(std::size_t count);
  std::string_view rest() { return run(bytes_.size()); }

 private:
  std::string_view bytes_;
  std::size_t at_ = 0;
};

// A registry value of any type from a type byte and its data: a DWORD of the data's first four
// bytes (little-endian, zeros where the data ends), a string or expandable string of the data as
// text (wideText), raw bytes, or raw bytes of a type the program never writes.
RegistryValue storedValue(std::uint8_t type, std::string_view data);

// A promise the code under test broke: says which, with the evidence, and aborts, so the fuzzer
// keeps the input as a finding.
[[noreturn]] void breach(std::string_view promise, std::string_view evidence = {});
[[noreturn]] void breach(std::string_view promise, std::wstring_view evidence);

}  // namespace tikora::fuzz
