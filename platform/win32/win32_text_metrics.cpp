// Text measurement with GDI: the label's font selected into a screen-compatible memory DC.
#include "platform/win32/win32_text_metrics.h"

#include <windows.h>

#include <algorithm>
#include <climits>
#include <unordered_set>

#include "platform/win32/gdi.h"
#include "platform/win32/gdi_font.h"

namespace tikora {

namespace {

struct FontNameCollector {
  std::vector<std::wstring> names;
  std::unordered_set<std::wstring> seen;
};

int CALLBACK collectFontName(const LOGFONTW* font, const TEXTMETRICW*, DWORD, LPARAM context) {
  auto* collector = reinterpret_cast<FontNameCollector*>(context);
  const std::wstring name = font->lfFaceName;
  // "@" faces are the vertical-writing twins of East Asian fonts; nobody picks them for a label.
  // A face comes once per character set it supports, so only its first appearance counts.
  if (!name.empty() && name.front() != L'@' && collector->seen.insert(name).second) {
    collector->names.push_back(name);
  }
  return 1;
}

}  // namespace

TextSize Win32TextMetrics::measure(std::wstring_view text, const FontSpec& font) const {
  MemoryDc dc;
  GdiObject<HFONT> gdiFont = createFont(font, dpi_);
  if (!dc.valid() || !gdiFont.valid()) return {};
  SelectedObject selected(dc, gdiFont);

  TextSize size;
  // The line height comes from the font, not the extent: GetTextExtentPoint32 gives 0 for an
  // empty text, while a label with no text is still one line high.
  TEXTMETRICW metrics{};
  if (GetTextMetricsW(dc, &metrics)) size.height = metrics.tmHeight;
  if (!text.empty()) {
    SIZE extent{};
    const int count = static_cast<int>(std::min<std::size_t>(text.size(), INT_MAX));
    if (GetTextExtentPoint32W(dc, text.data(), count, &extent)) size.width = extent.cx;
  }
  return size;
}

std::vector<std::wstring> Win32TextMetrics::installedFontNames() const {
  FontNameCollector collector;
  WindowDc screen;
  if (!screen.valid()) return {};
  // An empty face name with DEFAULT_CHARSET lists every face in every character set it has.
  LOGFONTW all{};
  all.lfCharSet = DEFAULT_CHARSET;
  EnumFontFamiliesExW(screen, &all, collectFontName, reinterpret_cast<LPARAM>(&collector), 0);
  return std::move(collector.names);
}

}  // namespace tikora
