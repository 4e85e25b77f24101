// FormatDateTime-style patterns; the token table is in date_format.h.
#include "core/date_format.h"

#include <algorithm>
#include <cstddef>

#include "core/date_parts.h"
#include "core/locale_format.h"

namespace tikora {
namespace {

bool isAsciiLower(wchar_t c) { return c >= L'a' && c <= L'z'; }
bool isAsciiUpper(wchar_t c) { return c >= L'A' && c <= L'Z'; }
wchar_t toAsciiUpper(wchar_t c) { return isAsciiLower(c) ? static_cast<wchar_t>(c - 32) : c; }

// Does `pattern` hold `word` at `at`, ASCII letters compared without case?
bool matchesAt(std::wstring_view pattern, std::size_t at, std::wstring_view word) {
  if (pattern.size() - std::min(at, pattern.size()) < word.size()) return false;
  for (std::size_t k = 0; k < word.size(); ++k) {
    if (toAsciiUpper(pattern[at + k]) != toAsciiUpper(word[k])) return false;
  }
  return true;
}

// Does an AM/PM token make the hour token that ends just before `from` 12-hour? Looks ahead to
// the first "a" outside quotes or the next "h", whichever comes first.
bool amPmFollows(std::wstring_view pattern, std::size_t from) {
  bool betweenQuotes = false;
  for (std::size_t j = from; j < pattern.size(); ++j) {
    const wchar_t c = pattern[j];
    if (c == L'a' || c == L'A') {
      if (betweenQuotes) continue;
      return matchesAt(pattern, j, L"AM/PM") || matchesAt(pattern, j, L"A/P") || matchesAt(pattern, j, L"AMPM");
    }
    if (c == L'h' || c == L'H') return false;
    if (c == L'\'' || c == L'"') betweenQuotes = !betweenQuotes;
  }
  return false;
}

class PatternWriter {
 public:
  PatternWriter(std::wstring& out, std::wstring_view pattern, const CivilTime& time, const LocaleNames& names)
      : pattern_(pattern), time_(time), names_(names), out_(out) {}

  void run() {
    out_.clear();
    while (at_ < pattern_.size()) step();
  }

 private:
  void step() {
    const wchar_t starter = pattern_[at_++];
    wchar_t token = toAsciiUpper(starter);
    if (isAsciiUpper(token)) {
      if (token == L'M' && lastToken_ == L'H') token = L'N';
      lastToken_ = token;
    }
    switch (token) {
      case L'Y': {
        const std::size_t count = runLength(starter);
        if (count <= 2)
          appendZeroPadded(out_, time_.year % 100, 2);
        else
          appendZeroPadded(out_, time_.year, 4);
        break;
      }
      case L'M': {
        const std::size_t count = runLength(starter);
        if (count <= 2) {
          appendZeroPadded(out_, time_.month, static_cast<int>(count));
        } else {
          out_ += nameAt(count == 3 ? names_.shortMonthNames : names_.longMonthNames, time_.month - 1);
        }
        break;
      }
      case L'D': {
        const std::size_t count = runLength(starter);
        if (count <= 2) {
          appendZeroPadded(out_, time_.day, static_cast<int>(count));
        } else if (count == 3) {
          out_ += nameAt(names_.shortDayNames, weekdayOf(time_));
        } else if (count == 4) {
          out_ += nameAt(names_.longDayNames, weekdayOf(time_));
        } else {
          out_ += shortDateText(time_, names_);
        }
        break;
      }
      case L'H': {
        const int digits = cappedRunLength(starter, 2);
        if (amPmFollows(pattern_, at_)) use12Hour_ = true;
        int hour = time_.hour;
        if (use12Hour_) {
          if (hour == 0)
            hour = 12;
          else if (hour > 12)
            hour -= 12;
        }
        appendZeroPadded(out_, hour, digits);
        break;
      }
      case L'N': appendZeroPadded(out_, time_.minute, cappedRunLength(starter, 2)); break;
      case L'S': appendZeroPadded(out_, time_.second, cappedRunLength(starter, 2)); break;
      case L'Z': appendZeroPadded(out_, time_.millisecond, cappedRunLength(starter, 3)); break;
      case L'T':
        runLength(starter);
        out_ += longTimeText(time_, names_);
        break;
      case L'A': amPmOrDayName(starter); break;
      case L'C':
        runLength(starter);
        out_ += shortDateText(time_, names_);
        if (time_.hour != 0 || time_.minute != 0 || time_.second != 0) {
          out_ += L' ';
          out_ += longTimeText(time_, names_);
        }
        break;
      case L'\'':
      case L'"': {
        const std::size_t end = pattern_.find(starter, at_);
        const std::size_t stop = end == std::wstring_view::npos ? pattern_.size() : end;
        out_.append(pattern_.substr(at_, stop - at_));
        at_ = end == std::wstring_view::npos ? stop : stop + 1;
        break;
      }
      default: out_ += starter; break;
    }
  }

  // The tokens that begin with "a"; `at_` is just past the "a".
  void amPmOrDayName(wchar_t starter) {
    const std::size_t start = at_ - 1;
    const bool afternoon = time_.hour >= 12;
    if (matchesAt(pattern_, start, L"AM/PM")) {
      out_.append(pattern_.substr(afternoon ? start + 3 : start, 2));
      at_ = start + 5;
      use12Hour_ = true;
    } else if (matchesAt(pattern_, start, L"A/P")) {
      out_ += pattern_[afternoon ? start + 2 : start];
      at_ = start + 3;
      use12Hour_ = true;
    } else if (matchesAt(pattern_, start, L"AMPM")) {
      out_ += afternoon ? names_.pmMarker : names_.amMarker;
      at_ = start + 4;
      use12Hour_ = true;
    } else if (matchesAt(pattern_, start, L"AAAA")) {
      out_ += nameAt(names_.longDayNames, weekdayOf(time_));
      at_ = start + 4;
    } else if (matchesAt(pattern_, start, L"AAA")) {
      out_ += nameAt(names_.shortDayNames, weekdayOf(time_));
      at_ = start + 3;
    } else {
      out_ += starter;
    }
  }

  // Consumes the rest of a run of `starter` (exactly that character) and gives its length.
  std::size_t runLength(wchar_t starter) {
    std::size_t count = 1;
    while (at_ < pattern_.size() && pattern_[at_] == starter) {
      ++count;
      ++at_;
    }
    return count;
  }

  // The same, but no more than `cap`: the digits of a number token.
  int cappedRunLength(wchar_t starter, std::size_t cap) { return static_cast<int>(std::min(runLength(starter), cap)); }

  std::wstring_view pattern_;
  const CivilTime& time_;
  const LocaleNames& names_;
  std::wstring& out_;
  std::size_t at_ = 0;
  wchar_t lastToken_ = L' ';
  bool use12Hour_ = false;
};

}  // namespace

std::wstring formatDateTime(std::wstring_view pattern, const CivilTime& time, const LocaleNames& names) {
  std::wstring out;
  formatDateTimeInto(out, pattern, time, names);
  return out;
}

void formatDateTimeInto(std::wstring& out, std::wstring_view pattern, const CivilTime& time, const LocaleNames& names) {
  PatternWriter(out, pattern, time, names).run();
}

std::wstring formatDateTime(std::wstring_view pattern, const DateTime& time, const LocaleNames& names) {
  return formatDateTime(pattern, time.civil(), names);
}

DateTexts dateTextsOf(const CivilTime& today, const LocaleNames& names) {
  return DateTexts{formatDateTime(L"dd.mm.yyyy", today, names), formatDateTime(L"dddd", today, names),
                   formatDateTime(L"ddd", today, names), formatDateTime(L"mmmm d", today, names),
                   formatDateTime(L"mmm d", today, names)};
}

}  // namespace tikora
