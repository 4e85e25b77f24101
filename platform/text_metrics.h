// Text measurement and the installed fonts. Labels on the clock and the ticker are placed by
// their measured size, so the core asks a TextMetrics how big a text will be on screen.
#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "core/font.h"

namespace tikora {

struct TextSize {
  int width = 0;   // pixels
  int height = 0;  // pixels: the font's line height, also for an empty text

  friend bool operator==(const TextSize&, const TextSize&) = default;
};

class TextMetrics {
 public:
  virtual ~TextMetrics() = default;

  // The size of a one-line label showing `text` in `font`, the text taken literally ("&" is an
  // ampersand, not an accelerator prefix). An empty text is 0 wide and one line high.
  virtual TextSize measure(std::wstring_view text, const FontSpec& font) const = 0;

  // The face names of the installed fonts in the order the system lists them, each once,
  // without the vertical-writing "@" faces. A failure part way gives the names found so far.
  virtual std::vector<std::wstring> installedFontNames() const = 0;
};

}  // namespace tikora
