// What users type and what the regional settings make of dates: the minutes box and the
// exact-time boxes read as whole numbers, dates and times read back in the user's formats, and
// the countdown's target, which the program writes with the user's short date and long time
// formats and reads back. Promised: a whole number is read exactly when the text is one (an
// optional sign and digits within 32 bits), and every date and time of the pickers, written in
// a numeric format with a four-digit year, reads back as the same second.
//
// Input: a short date format, a long time format and AM/PM markers (one byte each, picked from
// formats of real regional settings), the current year (16 bits), a date-time (8 bytes, as
// stored), then the typed text.
#include <cerrno>
#include <cstddef>
#include <cstdint>
#include <cwchar>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <tuple>
#include <utility>

#include "core/date_parse.h"
#include "core/locale_format.h"
#include "fuzz/fuzz_input.h"
#include "timeservices/context.h"

namespace {

using namespace tikora;

constexpr const wchar_t* kDateFormats[] = {
    L"M/d/yyyy",   L"MM/dd/yyyy", L"d/M/yyyy",   L"dd/MM/yyyy", L"dd.MM.yyyy", L"d.M.yyyy",
    L"d. M. yyyy", L"yyyy-MM-dd", L"yyyy/MM/dd", L"yyyy.MM.dd", L"dd-MM-yyyy", L"yyyy. MM. dd.",
};
constexpr const wchar_t* kTimeFormats[] = {
    L"HH:mm:ss", L"H:mm:ss", L"HH.mm.ss", L"H.mm.ss", L"h:mm:ss tt", L"hh:mm:ss tt", L"tt h:mm:ss", L"tt hh:mm:ss",
};
constexpr std::pair<const wchar_t*, const wchar_t*> kMarkers[] = {
    {L"AM", L"PM"},
    {L"a.m.", L"p.m."},
    {L"vorm.", L"nachm."},
    {L"\u5348\u524D", L"\u5348\u5F8C"},
};

template <typename T, std::size_t N>
const T& pick(const T (&list)[N], std::uint8_t choice) {
  return list[choice % N];
}

// The whole number a text spells, read by the C library: none unless it is an optional sign and
// decimal digits only, within 32 bits.
std::optional<std::int32_t> wholeNumber(const std::wstring& text) {
  std::size_t digitsFrom = !text.empty() && (text[0] == L'+' || text[0] == L'-') ? 1 : 0;
  if (digitsFrom == text.size()) return std::nullopt;
  for (std::size_t i = digitsFrom; i < text.size(); ++i)
    if (text[i] < L'0' || text[i] > L'9') return std::nullopt;
  errno = 0;
  const long long value = std::wcstoll(text.c_str(), nullptr, 10);
  if (errno == ERANGE || value < INT32_MIN || value > INT32_MAX) return std::nullopt;
  return static_cast<std::int32_t>(value);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::ByteStream in({reinterpret_cast<const char*>(data), size});
  LocaleNames names = englishLocaleNames();
  names.shortDateFormat = pick(kDateFormats, in.byte());
  names.longTimeFormat = pick(kTimeFormats, in.byte());
  std::tie(names.amMarker, names.pmMarker) = pick(kMarkers, in.byte());
  const int currentYear = in.word() % 9999 + 1;
  const std::string_view stored = in.run(8);
  const std::wstring typed = fuzz::wideText(in.rest());

  if (readWholeNumber(typed) != wholeNumber(typed)) fuzz::breach("a whole number is read exactly", typed);
  (void)parseDate(typed, names, currentYear);
  (void)parseTime(typed, names);
  (void)parseDateTime(typed, names, currentYear);

  const auto picked =
      DateTime::fromBytes(std::span(reinterpret_cast<const std::uint8_t*>(stored.data()), stored.size()));
  if (!picked) return 0;
  const std::wstring written = shortDateText(*picked, names) + L" " + longTimeText(*picked, names);
  const CivilTime civil = picked->civil();
  const auto expected =
      DateTime::fromCivil({civil.year, civil.month, civil.day, 0, civil.hour, civil.minute, civil.second});
  if (parseDateTime(written, names, currentYear) != expected)
    fuzz::breach("a date and time written in the user's formats read back as the same second", written);
  return 0;
}
