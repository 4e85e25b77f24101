// The notification-area icon; see tray_icon.h.
#include "ui/win32/tray_icon.h"

#include <algorithm>

namespace tikora {

void TrayIcon::add(HWND owner, const TrayIconRecord& record, HICON icon) {
  data_ = NOTIFYICONDATAW{};
  // The wide record of this system's shell, whatever its version: the shell tells the layouts
  // apart by this size.
  data_.cbSize = sizeof data_;
  data_.hWnd = owner;
  data_.uID = record.id;
  // NIF_MESSAGE | NIF_ICON | NIF_TIP; and the tip shown as before under the newer callbacks.
  data_.uFlags = record.flags | NIF_SHOWTIP;
  data_.uCallbackMessage = record.callbackMessage;
  data_.hIcon = icon;
  copyTip(record.tip);
  addToShell();
  added_ = true;
}

void TrayIcon::addToShell() {
  Shell_NotifyIconW(NIM_ADD, &data_);
  // The shell's newer callbacks: the keyboard's select and context menu on the icon too, and
  // the icon's place with each.
  data_.uVersion = NOTIFYICON_VERSION_4;
  Shell_NotifyIconW(NIM_SETVERSION, &data_);
}

bool TrayIcon::copyTip(std::wstring_view tip) {
  const std::size_t length = std::min(tip.size(), std::size(data_.szTip) - 1);
  if (std::wstring_view(data_.szTip) == tip.substr(0, length)) return false;
  std::copy_n(tip.data(), length, data_.szTip);
  data_.szTip[length] = L'\0';
  return true;
}

void TrayIcon::setTip(std::wstring_view tip) {
  if (copyTip(tip) && added_) Shell_NotifyIconW(NIM_MODIFY, &data_);
}

void TrayIcon::modify(HICON icon) {
  if (!added_) return;
  data_.hIcon = icon;
  Shell_NotifyIconW(NIM_MODIFY, &data_);
}

void TrayIcon::addAgain() {
  if (!added_) return;
  addToShell();
}

void TrayIcon::remove() {
  if (!added_) return;
  Shell_NotifyIconW(NIM_DELETE, &data_);
  added_ = false;
}

}  // namespace tikora
