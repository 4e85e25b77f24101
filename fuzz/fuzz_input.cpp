// The fuzz targets' shared input handling; see fuzz_input.h.
#include "fuzz/fuzz_input.h"

#include <cstdio>
#include <cstdlib>

#include "core/utf8.h"

namespace tikora::fuzz {
namespace {

// The length of the well-formed UTF-8 sequence at `at` and its code point; 0 when there is none.
std::size_t utf8Sequence(std::string_view bytes, std::size_t at, char32_t& codePoint) {
  const auto b = [&](std::size_t i) { return static_cast<std::uint8_t>(bytes[at + i]); };
  const std::uint8_t lead = b(0);
  std::size_t length = 0;
  char32_t least = 0;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
    codePoint = lead & 0x1F;
    least = 0x80;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    codePoint = lead & 0x0F;
    least = 0x800;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    codePoint = lead & 0x07;
    least = 0x10000;
  } else {
    return 0;
  }
  if (at + length > bytes.size()) return 0;
  for (std::size_t i = 1; i < length; ++i) {
    if ((b(i) & 0xC0) != 0x80) return 0;
    codePoint = (codePoint << 6) | (b(i) & 0x3F);
  }
  const bool surrogate = codePoint >= 0xD800 && codePoint <= 0xDFFF;
  return codePoint < least || codePoint > 0x10FFFF || surrogate ? 0 : length;
}

}  // namespace

std::wstring wideText(std::string_view bytes) {
  std::wstring text;
  for (std::size_t at = 0; at < bytes.size();) {
    char32_t codePoint = 0;
    if (const std::size_t length = utf8Sequence(bytes, at, codePoint)) {
      appendCodePoint(text, codePoint);
      at += length;
    } else {
      text += static_cast<wchar_t>(static_cast<std::uint8_t>(bytes[at]));
      ++at;
    }
  }
  return text;
}

bool isUtf8(std::string_view bytes) {
  for (std::size_t at = 0; at < bytes.size();) {
    char32_t codePoint = 0;
    if (static_cast<std::uint8_t>(bytes[at]) < 0x80) {
      ++at;
    } else if (const std::size_t length = utf8Sequence(bytes, at, codePoint)) {
      at += length;
    } else {
      return false;
    }
  }
  return true;
}

std::vector<std::string_view> fields(std::string_view bytes, std::size_t count) {
  std::vector<std::string_view> out;
  while (out.size() + 1 < count) {
    const std::size_t end = bytes.find(kFieldSeparator);
    if (end == std::string_view::npos) break;
    out.push_back(bytes.substr(0, end));
    bytes.remove_prefix(end + 1);
  }
  out.push_back(bytes);
  out.resize(count);
  return out;
}

std::uint8_t ByteStream::byte() { return done() ? 0 : static_cast<std::uint8_t>(bytes_[at_++]); }

std::uint16_t ByteStream::word() {
  const std::uint8_t low = byte();
  return static_cast<std::uint16_t>(low | (byte() << 8));
}

std::string_view ByteStream::run(std::size_t count) {
  const std::string_view taken = done() ? std::string_view() : bytes_.substr(at_, count);
  at_ += taken.size();
  return taken;
}

RegistryValue storedValue(std::uint8_t type, std::string_view data) {
  const std::vector<std::uint8_t> bytes(data.begin(), data.end());
  switch (type % 5) {
    case 0: {
      std::uint32_t dword = 0;
      for (std::size_t i = 0; i < 4 && i < bytes.size(); ++i) dword |= std::uint32_t{bytes[i]} << (8 * i);
      return RegistryValue::ofDword(dword);
    }
    case 1: return RegistryValue::ofString(wideText(data));
    case 2: return RegistryValue::ofExpandString(wideText(data));
    case 3: return RegistryValue::ofBinary(bytes);
    default: return RegistryValue{RegistryValueType::Other, 0, {}, bytes};
  }
}

void breach(std::string_view promise, std::string_view evidence) {
  std::fprintf(stderr, "BROKEN PROMISE: %.*s\n", static_cast<int>(promise.size()), promise.data());
  if (!evidence.empty()) std::fprintf(stderr, "evidence: %.*s\n", static_cast<int>(evidence.size()), evidence.data());
  std::abort();
}

void breach(std::string_view promise, std::wstring_view evidence) { breach(promise, toUtf8(evidence)); }

}  // namespace tikora::fuzz
