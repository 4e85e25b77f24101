// GetLocalTime and GetTickCount; see win32_clock.h.
#include "platform/win32/win32_clock.h"

#include <windows.h>

namespace tikora {

LocalTime Win32Clock::now() const {
  SYSTEMTIME st{};
  GetLocalTime(&st);
  return LocalTime{st.wYear, st.wMonth, st.wDay, st.wDayOfWeek, st.wHour, st.wMinute, st.wSecond, st.wMilliseconds};
}

// The 32-bit count on purpose: the work-time display wraps with it, as the system's own does.
std::uint32_t Win32Clock::tickCount() const { return GetTickCount(); }

}  // namespace tikora
