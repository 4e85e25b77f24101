// The tool-tip over the clock's two-button strip, showing the strip's hint ("Clock Control
// Panel" or "Close the Program"); its text follows the hint the face tick sets.
#pragma once
#include <windows.h>

#include <string>

namespace tikora {

class StripToolTip {
 public:
  StripToolTip() = default;
  StripToolTip(const StripToolTip&) = delete;
  StripToolTip& operator=(const StripToolTip&) = delete;
  ~StripToolTip();

  // A tool over `area` of `owner`'s client area.
  bool create(HWND owner, const RECT& area);
  // Sets the text when it differs from the one shown.
  void setText(const std::wstring& text);

 private:
  HWND toolTip_ = nullptr;
  HWND owner_ = nullptr;
  std::wstring text_;
};

}  // namespace tikora
