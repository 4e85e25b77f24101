// Pictures as text for pixel tests: each pixel of a window of the picture becomes one
// character chosen by its colour, rows joined by newlines, so an expected shape can be written
// out as it looks.
#pragma once
#include <initializer_list>
#include <string>
#include <utility>

#include "core/bitmap.h"

namespace tikora::testing {

struct ArtColour {
  char symbol;
  Colour colour;
};

// Characters for the colours in `palette`; '?' for any other colour, ' ' outside the picture.
inline std::string pictureArt(const Bitmap& picture, int left, int top, int width, int height,
                              std::initializer_list<ArtColour> palette) {
  std::string art;
  for (int y = top; y < top + height; ++y) {
    if (y != top) art += '\n';
    for (int x = left; x < left + width; ++x) {
      char symbol = ' ';
      if (picture.contains(x, y)) {
        symbol = '?';
        const Colour c = picture.pixel(x, y);
        for (const ArtColour& entry : palette)
          if ((entry.colour & 0xFFFFFF) == c) {
            symbol = entry.symbol;
            break;
          }
      }
      art += symbol;
    }
  }
  return art;
}

// Rows given as separate literals, joined with newlines.
inline std::string rows(std::initializer_list<const char*> lines) {
  std::string art;
  bool first = true;
  for (const char* line : lines) {
    if (!first) art += '\n';
    first = false;
    art += line;
  }
  return art;
}

}  // namespace tikora::testing
