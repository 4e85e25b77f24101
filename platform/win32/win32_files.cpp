// Files on disk: create or truncate, write whole, delete, and ask whether one exists.
#include "platform/win32/win32_files.h"

#include <windows.h>

#include <algorithm>

#include "platform/win32/kernel_handles.h"
#include "platform/win32/system_error.h"

namespace tikora {

namespace {

UniqueHandle createForWriting(const std::wstring& path) {
  // Others may read the file meanwhile (the page view's browser), not write it.
  return UniqueHandle(CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
}

// Closes now rather than in the destructor, so that a failing close can be reported.
bool closeNow(UniqueHandle& file) { return CloseHandle(file.release()) != 0; }

}  // namespace

Status Win32Files::createEmptyFile(const std::wstring& path) {
  UniqueHandle file = createForWriting(path);
  if (!file.valid()) return lastSystemError(L"Cannot create " + path);
  if (!closeNow(file)) return lastSystemError(L"Cannot close " + path);
  return {};
}

Status Win32Files::writeFile(const std::wstring& path, std::string_view bytes) {
  UniqueHandle file = createForWriting(path);
  if (!file.valid()) return lastSystemError(L"Cannot create " + path);
  while (!bytes.empty()) {
    const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 30));
    DWORD written = 0;
    if (!WriteFile(file, bytes.data(), chunk, &written, nullptr)) {
      return lastSystemError(L"Cannot write " + path);
    }
    if (written == 0) return systemError(ERROR_WRITE_FAULT, L"Cannot write " + path);
    bytes.remove_prefix(written);
  }
  if (!FlushFileBuffers(file)) return lastSystemError(L"Cannot write " + path);
  if (!closeNow(file)) return lastSystemError(L"Cannot close " + path);
  return {};
}

Status Win32Files::removeFile(const std::wstring& path) {
  if (!DeleteFileW(path.c_str())) return lastSystemError(L"Cannot delete " + path);
  return {};
}

bool Win32Files::fileExists(const std::wstring& path) const {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

}  // namespace tikora
