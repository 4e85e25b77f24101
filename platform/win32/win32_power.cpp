// Power operations; see win32_power.h.
#include "platform/win32/win32_power.h"

#include <windows.h>
#include <powrprof.h>

#include "platform/win32/kernel_handles.h"

namespace tikora {

bool Win32Power::enableShutdownPrivilege() {
  UniqueHandle token;
  if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, token.receive())) return false;
  TOKEN_PRIVILEGES privileges{};
  if (!LookupPrivilegeValueW(nullptr, SE_SHUTDOWN_NAME, &privileges.Privileges[0].Luid)) return false;
  privileges.PrivilegeCount = 1;
  privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
  // AdjustTokenPrivileges succeeds even when the token lacks the privilege; only the last error
  // (ERROR_NOT_ALL_ASSIGNED) tells.
  SetLastError(ERROR_SUCCESS);
  if (!AdjustTokenPrivileges(token, FALSE, &privileges, 0, nullptr, nullptr)) return false;
  return GetLastError() == ERROR_SUCCESS;
}

bool Win32Power::exitWindows(std::uint32_t flags, std::uint32_t reason) {
  return ExitWindowsEx(flags, reason) != FALSE;
}

bool Win32Power::hibernateAllowed() { return IsPwrHibernateAllowed() != FALSE; }

bool Win32Power::hibernate() {
  // Hibernate, not forced, wake events left enabled.
  return SetSuspendState(TRUE, FALSE, FALSE) != FALSE;
}

}  // namespace tikora
