#include "face/hand_style.h"

namespace tikora {

int handStyleFromStored(std::int32_t storedValue) {
  const int lowByte = static_cast<int>(static_cast<std::uint32_t>(storedValue) & 0xFFu);
  return lowByte < kHandStyleCount ? lowByte : 0;
}

int handStyleFromItemIndex(int itemIndex) { return itemIndex >= 0 && itemIndex < kHandStyleCount ? itemIndex : 0; }

HandResourceNames handResourceNames(int style) {
  const std::wstring suffix = style >= 1 && style < kHandStyleCount ? std::to_wstring(style) : std::wstring();
  return {L"mala" + suffix, L"srednia" + suffix, L"duza" + suffix};
}

}  // namespace tikora
