// Notification-area icons; see tray.h.
#include "tray.h"

#include <shellapi.h>

#include "windows_list.h"

namespace tikora::driver {
namespace {

NOTIFYICONDATAW iconOf(HWND owner, UINT id) {
  NOTIFYICONDATAW data{};
  data.cbSize = sizeof data;
  data.hWnd = owner;
  data.uID = id;
  return data;
}

// A modify that changes nothing succeeds only for an icon the shell holds.
bool shellHolds(HWND owner, UINT id) {
  NOTIFYICONDATAW data = iconOf(owner, id);
  data.uFlags = 0;
  return Shell_NotifyIconW(NIM_MODIFY, &data) != FALSE;
}

}  // namespace

// tray-icon WINDOW [--id N] [--action query|delete]: {"exists"} before and, for delete,
// {"deleted"} and {"exists"} after.
Json commandTrayIcon(const Options& options) {
  HWND owner = targetWindow(options, 5000);
  const UINT id = static_cast<UINT>(options.number(L"id", 0));
  const std::wstring action = options.text(L"action", L"query");
  if (!FindWindowW(L"Shell_TrayWnd", nullptr)) fail("no notification area (Shell_TrayWnd) on this desktop");
  Json result = Json::object().set("hwnd", hwndNumber(owner)).set("id", static_cast<int64_t>(id));
  if (action == L"query") return result.set("exists", shellHolds(owner, id));
  if (action != L"delete") failUsage("--action must be query or delete");
  NOTIFYICONDATAW data = iconOf(owner, id);
  const bool deleted = Shell_NotifyIconW(NIM_DELETE, &data) != FALSE;
  return result.set("deleted", deleted).set("exists", shellHolds(owner, id));
}

}  // namespace tikora::driver
