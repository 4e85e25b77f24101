// The system's ANSI code page: the single-byte character set the stored planner and RSS channel
// records keep their texts in. Everything shown on screen is Unicode; texts cross into and out of
// the records here.
#pragma once
#include <string>
#include <string_view>

namespace tikora {

class AnsiCodePage {
 public:
  virtual ~AnsiCodePage() = default;
  // One byte per character; a character the code page cannot hold becomes "?" (no best-fit
  // lookalikes, so what is stored is what the user sees read back, or a visible "?").
  virtual std::string toAnsi(std::wstring_view text) const = 0;
  virtual std::wstring fromAnsi(std::string_view bytes) const = 0;
};

}  // namespace tikora
