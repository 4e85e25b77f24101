// Fonts made from a FontSpec, shared by measurement and drawing.
#include "platform/win32/gdi_font.h"

#include <algorithm>

namespace tikora {

int screenDpi() {
  WindowDc screen;
  if (!screen.valid()) return kStandardDpi;
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  return dpi > 0 ? dpi : kStandardDpi;
}

LOGFONTW logFontFor(const FontSpec& font, int dpi) {
  LOGFONTW description{};
  description.lfHeight = -characterHeight(font, dpi);
  description.lfWeight = font.bold ? FW_BOLD : FW_NORMAL;
  description.lfItalic = font.italic ? TRUE : FALSE;
  description.lfUnderline = font.underline ? TRUE : FALSE;
  description.lfCharSet = DEFAULT_CHARSET;
  description.lfOutPrecision = OUT_DEFAULT_PRECIS;
  description.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  description.lfQuality = DEFAULT_QUALITY;
  description.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
  const std::size_t length = std::min<std::size_t>(font.faceName.size(), LF_FACESIZE - 1);
  std::copy_n(font.faceName.data(), length, description.lfFaceName);
  description.lfFaceName[length] = L'\0';
  return description;
}

GdiObject<HFONT> createFont(const FontSpec& font, int dpi) {
  const LOGFONTW description = logFontFor(font, dpi);
  return GdiObject<HFONT>(CreateFontIndirectW(&description));
}

}  // namespace tikora
