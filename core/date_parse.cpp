// Reading date and time texts back; the accepted forms are described in date_parse.h.
#include "core/date_parse.h"

#include <cstddef>
#include <cwctype>
#include <string>

namespace tikora {
namespace {

// Letters that carry meaning in a Windows date or time picture.
bool isPictureLetter(wchar_t c) {
  switch (c) {
    case L'd':
    case L'M':
    case L'y':
    case L'g':
    case L'h':
    case L'H':
    case L'm':
    case L's':
    case L't': return true;
    default: return false;
  }
}

wchar_t firstSeparator(std::wstring_view picture, wchar_t fallback) {
  bool quoted = false;
  for (const wchar_t c : picture) {
    if (c == L'\'') {
      quoted = !quoted;
    } else if (!quoted && !isPictureLetter(c) && c != L' ') {
      return c;
    }
  }
  return fallback;
}

// A cursor over the text, in the manner of a hand-written scanner: every scan skips the blanks
// before what it looks for.
class Scanner {
 public:
  explicit Scanner(std::wstring_view text) : text_(text) {}

  void skipBlanks() {
    while (at_ < text_.size() && text_[at_] == L' ') ++at_;
  }
  bool atEnd() {
    skipBlanks();
    return at_ == text_.size();
  }

  // Up to four digits (reading stops once the number reaches 1000). `digits` is how many.
  bool number(int& value, int& digits) {
    skipBlanks();
    const std::size_t start = at_;
    value = 0;
    while (at_ < text_.size() && text_[at_] >= L'0' && text_[at_] <= L'9' && value < 1000) {
      value = value * 10 + (text_[at_] - L'0');
      ++at_;
    }
    digits = static_cast<int>(at_ - start);
    return digits > 0;
  }
  bool number(int& value) {
    int digits = 0;
    return number(value, digits);
  }

  bool character(wchar_t c) {
    skipBlanks();
    if (at_ < text_.size() && text_[at_] == c) {
      ++at_;
      return true;
    }
    return false;
  }

  // `word` without regard to letter case; an empty word never matches.
  bool word(std::wstring_view word) {
    skipBlanks();
    if (word.empty() || text_.size() - at_ < word.size()) return false;
    for (std::size_t k = 0; k < word.size(); ++k) {
      if (std::towupper(static_cast<std::wint_t>(text_[at_ + k])) != std::towupper(static_cast<std::wint_t>(word[k]))) {
        return false;
      }
    }
    at_ += word.size();
    return true;
  }

 private:
  std::wstring_view text_;
  std::size_t at_ = 0;
};

std::optional<DateTime> scanDate(Scanner& in, const DateTextLayout& layout, int currentYear) {
  int first = 0, second = 0, third = 0, firstDigits = 0, thirdDigits = 0;
  if (!in.number(first, firstDigits) || !in.character(layout.separator) || !in.number(second)) {
    return std::nullopt;
  }
  int year = currentYear, month = 0, day = 0;
  if (in.character(layout.separator)) {
    if (!in.number(third, thirdDigits)) return std::nullopt;
    int yearDigits = thirdDigits;
    switch (layout.order) {
      case DateOrder::MonthDayYear:
        year = third;
        month = first;
        day = second;
        break;
      case DateOrder::DayMonthYear:
        year = third;
        month = second;
        day = first;
        break;
      case DateOrder::YearMonthDay:
        year = first;
        month = second;
        day = third;
        yearDigits = firstDigits;
        break;
    }
    if (yearDigits <= 2) {
      const int centuryBase = currentYear - 50;
      year += centuryBase / 100 * 100;
      if (year < centuryBase) year += 100;
    }
  } else if (layout.order == DateOrder::DayMonthYear) {
    day = first;
    month = second;
  } else {
    month = first;
    day = second;
  }
  in.character(layout.separator);  // "8. 12. 2011." style
  return DateTime::fromDate(year, month, day);
}

bool scanMarker(Scanner& in, const LocaleNames& names, int& baseHour) {
  if (in.word(names.amMarker) || in.word(L"AM")) {
    baseHour = 0;
    return true;
  }
  if (in.word(names.pmMarker) || in.word(L"PM")) {
    baseHour = 12;
    return true;
  }
  return false;
}

std::optional<DateTime> scanTime(Scanner& in, const LocaleNames& names) {
  const wchar_t separator = timeSeparatorOf(names.longTimeFormat);
  auto nextSeparator = [&] { return in.character(separator) || in.character(L':'); };
  int baseHour = -1;
  scanMarker(in, names, baseHour);
  int hour = 0, minute = 0, second = 0, millisecond = 0;
  if (!in.number(hour)) return std::nullopt;
  if (nextSeparator()) {
    if (!in.number(minute)) return std::nullopt;
    if (nextSeparator()) {
      if (!in.number(second)) return std::nullopt;
      if (separator != L'.' && in.character(L'.') && !in.number(millisecond)) return std::nullopt;
    }
  }
  if (baseHour < 0) scanMarker(in, names, baseHour);
  if (baseHour >= 0) {
    if (hour == 0 || hour > 12) return std::nullopt;
    hour = hour % 12 + baseHour;
  }
  return DateTime::fromTime(hour, minute, second, millisecond);
}

}  // namespace

DateTextLayout dateLayoutOf(std::wstring_view shortDatePicture) {
  DateTextLayout layout;
  bool quoted = false;
  for (const wchar_t c : shortDatePicture) {
    if (c == L'\'') quoted = !quoted;
    if (quoted) continue;
    if (c == L'd') {
      layout.order = DateOrder::DayMonthYear;
      break;
    }
    if (c == L'M') {
      layout.order = DateOrder::MonthDayYear;
      break;
    }
    if (c == L'y') {
      layout.order = DateOrder::YearMonthDay;
      break;
    }
  }
  layout.separator = firstSeparator(shortDatePicture, L'/');
  return layout;
}

wchar_t timeSeparatorOf(std::wstring_view longTimePicture) { return firstSeparator(longTimePicture, L':'); }

std::optional<DateTime> parseDate(std::wstring_view text, const DateTextLayout& layout, int currentYear) {
  Scanner in(text);
  auto date = scanDate(in, layout, currentYear);
  if (!date || !in.atEnd()) return std::nullopt;
  return date;
}

std::optional<DateTime> parseDate(std::wstring_view text, const LocaleNames& names, int currentYear) {
  return parseDate(text, dateLayoutOf(names.shortDateFormat), currentYear);
}

std::optional<DateTime> parseTime(std::wstring_view text, const LocaleNames& names) {
  Scanner in(text);
  auto time = scanTime(in, names);
  if (!time || !in.atEnd()) return std::nullopt;
  return time;
}

std::optional<DateTime> parseDateTime(std::wstring_view text, const LocaleNames& names, int currentYear) {
  Scanner in(text);
  if (auto date = scanDate(in, dateLayoutOf(names.shortDateFormat), currentYear)) {
    if (in.atEnd()) return date;
    if (auto time = scanTime(in, names); time && in.atEnd()) {
      return DateTime::combine(*date, *time);
    }
  }
  return parseTime(text, names);
}

}  // namespace tikora
