// The plain message box with the program's title; see program_identity.h.
#include "clock/program_identity.h"

#include <utility>

namespace tikora {

MessageBoxRequest plainMessageBox(std::wstring text, std::wstring_view owner) {
  MessageBoxRequest request;
  request.caption = std::wstring(kApplicationTitle);
  request.text = std::move(text);
  request.owner = std::wstring(owner);
  return request;
}

}  // namespace tikora
