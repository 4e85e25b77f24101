// Text measurement for tests: a fixed-pitch formula simple enough to compute expected pixel
// positions by hand.
//
//   character width  c = round(points * 0.6)                 8pt: 5  9pt: 5  10pt: 6  11pt: 7
//                                                            12pt: 7 14pt: 8 16pt: 10 18pt: 11
//   width            = characters * (c + (bold ? 1 : 0) + extra width of the face)
//   height           = round(points * 96 / 72) + 2           8pt: 13 9pt: 14 10pt: 15 11pt: 17
//                                                            12pt: 18 14pt: 21 16pt: 23 18pt: 26
//
// Characters are UTF-16 code units, blanks included; an empty text is 0 wide and still one line
// high. Italic and underline change nothing. Every face measures alike unless a test gives it
// an extra width per character, so a change of face can be told apart when it matters.
#pragma once
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "platform/text_metrics.h"

namespace tikora {

class FakeTextMetrics : public TextMetrics {
 public:
  // The fonts a fresh fake reports, deliberately not in alphabetical order.
  static std::vector<std::wstring> defaultFontNames();

  FakeTextMetrics();

  TextSize measure(std::wstring_view text, const FontSpec& font) const override;
  std::vector<std::wstring> installedFontNames() const override { return fontNames_; }

  void setInstalledFontNames(std::vector<std::wstring> names) { fontNames_ = std::move(names); }
  void setExtraWidthPerCharacter(const std::wstring& faceName, int pixels);

  static int characterWidth(int points) { return (points * 6 + 5) / 10; }
  static int lineHeight(int points) { return (points * 8 + 3) / 6 + 2; }

 private:
  std::vector<std::wstring> fontNames_;
  std::map<std::wstring, int> extraWidth_;
};

}  // namespace tikora
