// Wide text as UTF-8 bytes, for files other programs read (the feed page). Wide text is UTF-16
// on Windows and UTF-32 elsewhere; both are read here, and whatever is no character (a lone
// surrogate, a value past U+10FFFF) is written as U+FFFD.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>

namespace tikora {

inline constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

std::string toUtf8(std::wstring_view text);

// How many wide units make the character that starts at `at`: 2 for a UTF-16 surrogate pair where
// wchar_t is 16 bits, else 1.
std::size_t characterUnits(std::wstring_view text, std::size_t at);

// Appends the code point to wide text: one unit, or a surrogate pair where wchar_t is 16 bits.
void appendCodePoint(std::wstring& text, char32_t codePoint);

}  // namespace tikora
