// Windows by caption and named mutexes; see win32_single_instance.h.
#include "platform/win32/win32_single_instance.h"

#include <string>

#include "platform/win32/kernel_handles.h"

namespace tikora {
namespace {

// FindWindowEx compares captions without regard to case; this checks the exact text. It reads
// the caption the system keeps, so no message is sent to a window that might not answer.
bool captionIs(HWND window, const std::wstring& caption) {
  std::wstring text(caption.size() + 2, L'\0');
  const int length = InternalGetWindowText(window, text.data(), static_cast<int>(text.size()));
  return length >= 0 && static_cast<std::size_t>(length) == caption.size() &&
         text.compare(0, caption.size(), caption) == 0;
}

}  // namespace

bool Win32SingleInstance::windowWithCaptionExists(std::wstring_view caption, WindowOwner owner) {
  const std::wstring text(caption);
  // A null parent means the children of the desktop: every top-level window, hidden included.
  for (HWND window = FindWindowExW(nullptr, nullptr, nullptr, text.c_str()); window;
       window = FindWindowExW(nullptr, window, nullptr, text.c_str())) {
    if (owner == WindowOwner::OtherProcess) {
      DWORD process = 0;
      GetWindowThreadProcessId(window, &process);
      if (process == GetCurrentProcessId()) continue;
    }
    if (captionIs(window, text)) return true;
  }
  return false;
}

MutexCreation Win32SingleInstance::createMutex(std::wstring_view name) {
  const std::wstring mutexName(name);
  HANDLE mutex = CreateMutexW(nullptr, FALSE, mutexName.c_str());
  if (!mutex) return MutexCreation::Failed;
  const bool existed = GetLastError() == ERROR_ALREADY_EXISTS;
  heldMutexes_.push_back(mutex);
  return existed ? MutexCreation::AlreadyExisted : MutexCreation::Created;
}

bool Win32SingleInstance::mutexExists(std::wstring_view name) {
  const std::wstring mutexName(name);
  UniqueHandle mutex(OpenMutexW(SYNCHRONIZE, FALSE, mutexName.c_str()));
  // A mutex made by another user's process may refuse us; it exists all the same.
  return mutex.valid() || GetLastError() == ERROR_ACCESS_DENIED;
}

}  // namespace tikora
