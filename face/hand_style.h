// Hand styles: which of the 18 sets of hand bitmaps ("mala", "srednia", "duza" plus an optional
// style number 1 to 17) the clock draws its hour, minute and second hands from.
#pragma once
#include <cstdint>
#include <string>

namespace tikora {

inline constexpr int kHandStyleCount = 18;  // style 0 (plain names) and styles 1 to 17

struct HandResourceNames {
  std::wstring hour;    // "mala" + suffix
  std::wstring minute;  // "srednia" + suffix
  std::wstring second;  // "duza" + suffix
  friend bool operator==(const HandResourceNames&, const HandResourceNames&) = default;
};

// Style of the stored `handStyle` value: only its low byte counts; 1 to 17 select that style, 0 and
// everything else (18 to 255) the plain pictures. So -1 (low byte 255) is style 0, 257 style 1.
int handStyleFromStored(std::int32_t storedValue);
// Style of the "Clock Hands Style" list's item index: 0 to 17 as they are, anything else
// (no selection is -1) style 0.
int handStyleFromItemIndex(int itemIndex);
// Bitmap resource names of a style; styles outside 1 to 17 give the plain names.
HandResourceNames handResourceNames(int style);

}  // namespace tikora
