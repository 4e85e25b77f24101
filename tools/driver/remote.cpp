// Memory and code in another process.
#include "remote.h"

#include <psapi.h>

#include <vector>

#include "options.h"

namespace tikora::driver {

namespace {

std::wstring fileNameOf(const std::wstring& path) {
  size_t slash = path.find_last_of(L"\\/");
  return slash == std::wstring::npos ? path : path.substr(slash + 1);
}

bool equalNoCase(const std::wstring& a, const std::wstring& b) {
  return CompareStringOrdinal(a.c_str(), -1, b.c_str(), -1, TRUE) == CSTR_EQUAL;
}

DWORD runThread(HANDLE process, LPTHREAD_START_ROUTINE start, void* argument, DWORD timeoutMs) {
  HANDLE thread = CreateRemoteThread(process, nullptr, 0, start, argument, 0, nullptr);
  if (!thread) fail("cannot start a thread in the target process (error " + std::to_string(GetLastError()) + ")");
  DWORD waited = WaitForSingleObject(thread, timeoutMs);
  DWORD code = 0;
  GetExitCodeThread(thread, &code);
  CloseHandle(thread);
  if (waited != WAIT_OBJECT_0) failTimeout("the routine in the target process did not finish");
  return code;
}

}  // namespace

RemoteProcess::RemoteProcess(DWORD pid) : pid_(pid) {
  process_ = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE | PROCESS_CREATE_THREAD |
                             PROCESS_QUERY_INFORMATION | SYNCHRONIZE,
                         FALSE, pid);
  if (!process_) fail("cannot open process " + std::to_string(pid) + " (error " + std::to_string(GetLastError()) + ")");
}

RemoteProcess::~RemoteProcess() { CloseHandle(process_); }

HMODULE RemoteProcess::findModule(const std::wstring& nameOrPath) const {
  std::vector<HMODULE> modules(1024);
  DWORD needed = 0;
  for (;;) {
    DWORD bytes = static_cast<DWORD>(modules.size() * sizeof(HMODULE));
    if (!EnumProcessModulesEx(process_, modules.data(), bytes, &needed, LIST_MODULES_ALL)) {
      return nullptr;
    }
    if (needed <= bytes) break;
    modules.resize(needed / sizeof(HMODULE) + 16);
  }
  modules.resize(needed / sizeof(HMODULE));
  bool byPath = nameOrPath.find_first_of(L"\\/") != std::wstring::npos;
  for (HMODULE module : modules) {
    wchar_t path[MAX_PATH * 2];
    DWORD n = GetModuleFileNameExW(process_, module, path, MAX_PATH * 2);
    if (n == 0) continue;
    std::wstring candidate(path, n);
    if (byPath ? equalNoCase(candidate, nameOrPath) : equalNoCase(fileNameOf(candidate), nameOrPath)) {
      return module;
    }
  }
  return nullptr;
}

RemoteBuffer::RemoteBuffer(const RemoteProcess& process, size_t size) : process_(process.handle()) {
  address_ = VirtualAllocEx(process_, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
  if (!address_) fail("cannot allocate memory in the target process");
}

RemoteBuffer::~RemoteBuffer() { VirtualFreeEx(process_, address_, 0, MEM_RELEASE); }

void RemoteBuffer::write(const void* data, size_t size, size_t offset) {
  if (!WriteProcessMemory(process_, as<char>(offset), data, size, nullptr)) {
    fail("cannot write the target process's memory");
  }
}

void RemoteBuffer::read(void* data, size_t size, size_t offset) const {
  if (!ReadProcessMemory(process_, as<char>(offset), data, size, nullptr)) {
    fail("cannot read the target process's memory");
  }
}

std::wstring RemoteBuffer::readString(size_t offset, size_t maxChars) const {
  std::wstring text(maxChars, L'\0');
  read(text.data(), maxChars * sizeof(wchar_t), offset);
  text.resize(wcsnlen(text.c_str(), maxChars));
  return text;
}

RemoteCode::RemoteCode(const RemoteProcess& process) : process_(process) {
  wchar_t self[MAX_PATH * 2];
  DWORD length = GetModuleFileNameW(nullptr, self, MAX_PATH * 2);
  std::wstring path(self, length);
  RemoteBuffer pathBuffer(process_, (path.size() + 1) * sizeof(wchar_t));
  pathBuffer.write(path.c_str(), (path.size() + 1) * sizeof(wchar_t));
  // kernel32 sits at the same address in every process, so our LoadLibraryW is theirs too.
  auto loadLibrary = reinterpret_cast<LPTHREAD_START_ROUTINE>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "LoadLibraryW")));
  runThread(process_.handle(), loadLibrary, pathBuffer.address(), 5000);
  // The thread's exit code holds only the low 32 bits of the module handle: look it up instead.
  remoteBase_ = process_.findModule(path);
  if (!remoteBase_) fail("cannot load the driver's code into the target process");
}

RemoteCode::~RemoteCode() {
  if (abandoned_) return;
  auto freeLibrary = reinterpret_cast<LPTHREAD_START_ROUTINE>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "FreeLibrary")));
  HANDLE thread = CreateRemoteThread(process_.handle(), nullptr, 0, freeLibrary, remoteBase_, 0, nullptr);
  if (thread) {
    WaitForSingleObject(thread, 2000);
    CloseHandle(thread);
  }
}

void* RemoteCode::systemProc(const wchar_t* dll, const char* name) const {
  HMODULE local = GetModuleHandleW(dll);
  if (!local) local = LoadLibraryW(dll);
  FARPROC proc = local ? GetProcAddress(local, name) : nullptr;
  HMODULE remote = process_.findModule(dll);
  if (!proc || !remote) fail(std::string("cannot find ") + name + " in the target process");
  auto offset = reinterpret_cast<char*>(proc) - reinterpret_cast<char*>(local);
  return reinterpret_cast<char*>(remote) + offset;
}

DWORD RemoteCode::call(LPTHREAD_START_ROUTINE routine, void* argument, DWORD timeoutMs) const {
  auto offset = reinterpret_cast<char*>(routine) - reinterpret_cast<char*>(GetModuleHandleW(nullptr));
  auto start = reinterpret_cast<LPTHREAD_START_ROUTINE>(reinterpret_cast<char*>(remoteBase_) + offset);
  try {
    return runThread(process_.handle(), start, argument, timeoutMs);
  } catch (const DriverError& error) {
    if (error.kind() == DriverError::Kind::Timeout) abandoned_ = true;
    throw;
  }
}

}  // namespace tikora::driver
