// A font as the program describes it: a face name, a size in points and a style. Labels on the
// clock, the ticker's headlines and every control of a window carry one.
#pragma once
#include <string>

namespace tikora {

struct FontSpec {
  std::wstring faceName;
  int points = 8;
  bool bold = false;
  bool italic = false;
  bool underline = false;  // drawn under the glyphs; never changes a measured size
  // A size in pixels (the character height) instead of points, when not 0: the today's date
  // page and the panel's title give their fonts so.
  int pixels = 0;

  friend bool operator==(const FontSpec&, const FontSpec&) = default;
};

}  // namespace tikora
