// Windows-1252 for the tests; see fake_code_page.h.
#include "platform/fake/fake_code_page.h"

#include <array>

namespace tikora {
namespace {

// Bytes 0x80 to 0x9F; 0 marks the five the code page leaves unassigned.
constexpr std::array<wchar_t, 32> kHigh = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                           0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                           0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                           0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

}  // namespace

std::string FakeAnsiCodePage::toAnsi(std::wstring_view text) const {
  std::string bytes;
  bytes.reserve(text.size());
  for (wchar_t c : text) {
    // The five unassigned bytes read as themselves, so their characters write as those bytes.
    const bool unassigned = c >= 0x80 && c <= 0x9F && kHigh[c - 0x80] == 0;
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF) || unassigned) {
      bytes.push_back(static_cast<char>(c));
      continue;
    }
    char mapped = '?';
    for (std::size_t i = 0; i < kHigh.size(); ++i)
      if (kHigh[i] != 0 && kHigh[i] == c) mapped = static_cast<char>(0x80 + i);
    bytes.push_back(mapped);
  }
  return bytes;
}

std::wstring FakeAnsiCodePage::fromAnsi(std::string_view bytes) const {
  std::wstring text;
  text.reserve(bytes.size());
  for (char b : bytes) {
    const auto byte = static_cast<unsigned char>(b);
    if (byte >= 0x80 && byte <= 0x9F && kHigh[byte - 0x80] != 0)
      text.push_back(kHigh[byte - 0x80]);
    else
      text.push_back(static_cast<wchar_t>(byte));
  }
  return text;
}

}  // namespace tikora
