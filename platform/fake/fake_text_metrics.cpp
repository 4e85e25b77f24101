// The fixed-pitch text measurement used by tests; the formula is in the header.
#include "platform/fake/fake_text_metrics.h"

namespace tikora {

std::vector<std::wstring> FakeTextMetrics::defaultFontNames() {
  return {L"Tahoma", L"Arial", L"Times New Roman", L"Courier New", L"Verdana", L"MS Sans Serif"};
}

FakeTextMetrics::FakeTextMetrics() : fontNames_(defaultFontNames()) {}

TextSize FakeTextMetrics::measure(std::wstring_view text, const FontSpec& font) const {
  // A size in pixels counts as the points that give it at 96 DPI.
  const int points = font.pixels > 0 ? font.pixels * 3 / 4 : font.points;
  int perCharacter = characterWidth(points) + (font.bold ? 1 : 0);
  if (auto found = extraWidth_.find(font.faceName); found != extraWidth_.end()) {
    perCharacter += found->second;
  }
  return {static_cast<int>(text.size()) * perCharacter, lineHeight(points)};
}

void FakeTextMetrics::setExtraWidthPerCharacter(const std::wstring& faceName, int pixels) {
  extraWidth_[faceName] = pixels;
}

}  // namespace tikora
