// Working inside another process: a buffer in its address space (for control messages whose
// parameters are pointers and which the system does not copy across processes, such as the
// tab and list view messages), and running a small routine of this program inside it (for
// menus, which Wine keeps in the owning process's memory only).
#pragma once

#include <windows.h>

#include <cstddef>
#include <string>

namespace tikora::driver {

class RemoteProcess {
 public:
  explicit RemoteProcess(DWORD pid);
  ~RemoteProcess();
  RemoteProcess(const RemoteProcess&) = delete;
  RemoteProcess& operator=(const RemoteProcess&) = delete;

  HANDLE handle() const { return process_; }
  DWORD pid() const { return pid_; }
  // Base address of a loaded module in the target, found by file name or full path; null when
  // it is not loaded.
  HMODULE findModule(const std::wstring& nameOrPath) const;

 private:
  DWORD pid_;
  HANDLE process_;
};

class RemoteBuffer {
 public:
  RemoteBuffer(const RemoteProcess& process, size_t size);
  ~RemoteBuffer();
  RemoteBuffer(const RemoteBuffer&) = delete;
  RemoteBuffer& operator=(const RemoteBuffer&) = delete;

  void* address() const { return address_; }
  template <class T>
  T* as(size_t offset = 0) const {
    return reinterpret_cast<T*>(static_cast<char*>(address_) + offset);
  }
  LPARAM param(size_t offset = 0) const { return reinterpret_cast<LPARAM>(as<char>(offset)); }
  void write(const void* data, size_t size, size_t offset = 0);
  void read(void* data, size_t size, size_t offset = 0) const;
  std::wstring readString(size_t offset, size_t maxChars) const;

 private:
  HANDLE process_;
  void* address_;
};

// Loads this program's own image into the target (no entry point runs) and calls routines of
// it on a new thread there. The image's import table is not bound in a module loaded this way,
// so a routine must only call system functions through pointers resolved with systemProc(),
// touch no C runtime and allocate nothing.
class RemoteCode {
 public:
  explicit RemoteCode(const RemoteProcess& process);
  ~RemoteCode();
  RemoteCode(const RemoteCode&) = delete;
  RemoteCode& operator=(const RemoteCode&) = delete;

  // Address in the target of a function of a system DLL the target has loaded.
  void* systemProc(const wchar_t* dll, const char* name) const;
  // Runs `routine` (a function of this program) in the target with `argument` (an address in
  // the target) and returns its result; fails on time-out.
  DWORD call(LPTHREAD_START_ROUTINE routine, void* argument, DWORD timeoutMs) const;

 private:
  const RemoteProcess& process_;
  HMODULE remoteBase_ = nullptr;
  mutable bool abandoned_ = false;  // a routine timed out: our code must stay loaded there
};

}  // namespace tikora::driver
