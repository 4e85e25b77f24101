// The system's ANSI code page through WideCharToMultiByte and MultiByteToWideChar.
#pragma once
#include "platform/code_page.h"

namespace tikora {

class Win32AnsiCodePage : public AnsiCodePage {
 public:
  std::string toAnsi(std::wstring_view text) const override;
  std::wstring fromAnsi(std::string_view bytes) const override;
};

}  // namespace tikora
