// Windows-1252, the ANSI code page of Western European and United States systems, for the tests:
// bytes 0x80 to 0x9F are its typographic characters (euro sign, curly quotes, ...), the five
// bytes it leaves unassigned read as themselves (and their characters write as them), and 0xA0
// to 0xFF are Latin-1.
#pragma once
#include "platform/code_page.h"

namespace tikora {

class FakeAnsiCodePage : public AnsiCodePage {
 public:
  std::string toAnsi(std::wstring_view text) const override;
  std::wstring fromAnsi(std::string_view bytes) const override;
};

}  // namespace tikora
