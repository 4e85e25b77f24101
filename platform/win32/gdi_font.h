// Fonts made from a FontSpec. Measuring and drawing must use the very same font, so the text
// metrics and every window that draws a label make theirs here.
#pragma once
#include <windows.h>

#include "core/dpi.h"
#include "platform/text_metrics.h"
#include "platform/win32/gdi.h"

namespace tikora {

// Pixels per logical inch of the screen (vertical), or 96 when it cannot be read.
int screenDpi();

// The font's description: its character height at `dpi` (negative lfHeight, so the size excludes
// internal leading, as Windows point sizes do), default character set, and the face name cut to
// what LOGFONTW can hold.
LOGFONTW logFontFor(const FontSpec& font, int dpi);

GdiObject<HFONT> createFont(const FontSpec& font, int dpi);

}  // namespace tikora
