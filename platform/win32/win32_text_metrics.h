// Text measurement with GDI and the installed fonts from the font enumeration.
#pragma once
#include "platform/text_metrics.h"

namespace tikora {

class Win32TextMetrics : public TextMetrics {
 public:
  // Measures at the screen's resolution, as the program's windows draw.
  Win32TextMetrics();
  // Measures at a fixed resolution (96 is the classic 100 % screen).
  explicit Win32TextMetrics(int dpi) : dpi_(dpi) {}

  int dpi() const { return dpi_; }

  TextSize measure(std::wstring_view text, const FontSpec& font) const override;
  std::vector<std::wstring> installedFontNames() const override;

 private:
  int dpi_;
};

}  // namespace tikora
