// Win32 error codes as Error values; see system_error.h.
#include "platform/win32/system_error.h"

#include <string>

namespace tikora {

Error systemError(DWORD code, std::wstring_view what) {
  std::wstring message(what);
  wchar_t* text = nullptr;
  const DWORD length =
      FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                     nullptr, code, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
  std::wstring system = text ? std::wstring(text, length) : std::wstring();
  if (text) LocalFree(text);
  while (!system.empty() && (system.back() == L'\n' || system.back() == L'\r' || system.back() == L' '))
    system.pop_back();
  message += L": ";
  message += system.empty() ? L"error " + std::to_wstring(code) : system;
  return Error{code, std::move(message)};
}

Error lastSystemError(std::wstring_view what) { return systemError(GetLastError(), what); }

}  // namespace tikora
