// The system's ANSI code page: the single-byte character set the stored planner and RSS channel
// records keep their texts in. Everything shown on screen is Unicode; texts cross into and out of
// the records here.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>

#include "core/utf8.h"

namespace tikora {

class AnsiCodePage {
 public:
  virtual ~AnsiCodePage() = default;
  // One byte per character; a character the code page cannot hold becomes "?" (no best-fit
  // lookalikes, so what is stored is what the user sees read back, or a visible "?").
  virtual std::string toAnsi(std::wstring_view text) const = 0;
  virtual std::wstring fromAnsi(std::string_view bytes) const = 0;
};

// `text` in the code page, at most `capacity` bytes, ending on a whole character: too long, it
// takes whole characters while they fit (a surrogate pair as one), so a double-byte one is never
// split.
inline std::string ansiCut(std::wstring_view text, std::size_t capacity, const AnsiCodePage& codePage) {
  std::string whole = codePage.toAnsi(text);
  if (whole.size() <= capacity) return whole;
  std::string cut;
  for (std::size_t at = 0; at < text.size();) {
    const std::size_t units = characterUnits(text, at);
    const std::string piece = codePage.toAnsi(text.substr(at, units));
    if (cut.size() + piece.size() > capacity) break;
    cut += piece;
    at += units;
  }
  return cut;
}

}  // namespace tikora
