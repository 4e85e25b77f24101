// The Windows shell through SHGetFolderPath, SHAppBarMessage, SystemParametersInfo and
// ShellExecuteEx.
#include "platform/win32/win32_shell.h"

#include <windows.h>
#include <shellapi.h>
#include <shlobj.h>

#include "platform/win32/system_error.h"

namespace tikora {

namespace {

Result<std::wstring> specialFolder(int folderId, const wchar_t* what) {
  wchar_t path[MAX_PATH] = {};
  // CSIDL_FLAG_CREATE: on a fresh profile the folder may not exist yet; making it here keeps a
  // file written into it from failing for that reason alone.
  const HRESULT result = SHGetFolderPathW(nullptr, folderId | CSIDL_FLAG_CREATE, nullptr, SHGFP_TYPE_CURRENT, path);
  if (FAILED(result) || path[0] == L'\0') {
    return systemError(static_cast<DWORD>(result), std::wstring(L"The shell cannot name the ") + what + L" folder");
  }
  std::wstring folder = path;
  while (!folder.empty() && folder.back() == L'\\') folder.pop_back();
  return folder;
}

}  // namespace

Result<std::wstring> Win32Shell::appDataFolder() const { return specialFolder(CSIDL_APPDATA, L"application data"); }

Result<std::wstring> Win32Shell::internetCacheFolder() const {
  return specialFolder(CSIDL_INTERNET_CACHE, L"temporary internet files");
}

bool Win32Shell::taskbarAutoHides() const {
  APPBARDATA bar{};
  bar.cbSize = sizeof bar;
  return (SHAppBarMessage(ABM_GETSTATE, &bar) & ABS_AUTOHIDE) != 0;
}

ScreenSize Win32Shell::screenSize() const { return {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}; }

Rect Win32Shell::workArea() const {
  RECT area{};
  if (!SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0)) {
    const ScreenSize screen = screenSize();
    return {0, 0, screen.width, screen.height};
  }
  return Rect::fromEdges(area.left, area.top, area.right, area.bottom);
}

std::wstring Win32Shell::programPath() const {
  // GetModuleFileName cuts a long path to fit and says so only by filling the buffer.
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return {};
    if (length < path.size()) {
      path.resize(length);
      return path;
    }
    if (path.size() >= 32768) return {};
    path.resize(path.size() * 2);
  }
}

Status Win32Shell::openAddress(const std::wstring& address) {
  SHELLEXECUTEINFOW request{};
  request.cbSize = sizeof request;
  // No error dialog from the shell: the caller decides what, if anything, to tell the user.
  request.fMask = SEE_MASK_FLAG_NO_UI;
  request.lpVerb = L"open";
  request.lpFile = address.c_str();
  request.nShow = SW_SHOWNORMAL;
  if (!ShellExecuteExW(&request)) {
    return lastSystemError(L"Windows could not open " + address);
  }
  return {};
}

}  // namespace tikora
