// Text measurement with GDI and the installed fonts from the font enumeration.
#pragma once
#include "core/dpi.h"
#include "platform/text_metrics.h"

namespace tikora {

class Win32TextMetrics : public TextMetrics {
 public:
  // Measures at 96 DPI, whatever the screen's: the windows' layouts are in 96-DPI pixels (their
  // views scale them) and the clock face keeps its pixel sizes at any scaling.
  Win32TextMetrics() : dpi_(kStandardDpi) {}
  // Measures at another resolution.
  explicit Win32TextMetrics(int dpi) : dpi_(dpi) {}

  int dpi() const { return dpi_; }

  TextSize measure(std::wstring_view text, const FontSpec& font) const override;
  std::vector<std::wstring> installedFontNames() const override;

 private:
  int dpi_;
};

}  // namespace tikora
