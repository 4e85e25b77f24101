// Owners for kernel and registry handles: a HANDLE closed with CloseHandle and an HKEY closed
// with RegCloseKey. Each converts to the raw handle so Win32 calls read as usual; copies are
// deleted, moves allowed.
#pragma once
#include <windows.h>

#include <utility>

namespace tikora {

class UniqueHandle {
 public:
  UniqueHandle() = default;
  explicit UniqueHandle(HANDLE handle) : handle_(handle) {}
  ~UniqueHandle() { reset(); }
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;
  UniqueHandle(UniqueHandle&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
  UniqueHandle& operator=(UniqueHandle&& other) noexcept {
    if (this != &other) {
      reset();
      handle_ = std::exchange(other.handle_, nullptr);
    }
    return *this;
  }

  operator HANDLE() const { return handle_; }
  // For calls that hand out a handle through a pointer (OpenProcessToken).
  HANDLE* receive() {
    reset();
    return &handle_;
  }
  // Some calls fail with INVALID_HANDLE_VALUE, others with null.
  bool valid() const { return handle_ != nullptr && handle_ != INVALID_HANDLE_VALUE; }
  // Gives up ownership: the handle stays open.
  HANDLE release() { return std::exchange(handle_, nullptr); }

 private:
  void reset() {
    if (valid()) CloseHandle(handle_);
    handle_ = nullptr;
  }
  HANDLE handle_ = nullptr;
};

class UniqueRegKey {
 public:
  UniqueRegKey() = default;
  explicit UniqueRegKey(HKEY key) : key_(key) {}
  ~UniqueRegKey() { reset(); }
  UniqueRegKey(const UniqueRegKey&) = delete;
  UniqueRegKey& operator=(const UniqueRegKey&) = delete;
  UniqueRegKey(UniqueRegKey&& other) noexcept : key_(std::exchange(other.key_, nullptr)) {}
  UniqueRegKey& operator=(UniqueRegKey&& other) noexcept {
    if (this != &other) {
      reset();
      key_ = std::exchange(other.key_, nullptr);
    }
    return *this;
  }

  operator HKEY() const { return key_; }
  // For RegOpenKeyExW / RegCreateKeyExW.
  HKEY* receive() {
    reset();
    return &key_;
  }
  bool valid() const { return key_ != nullptr; }

 private:
  void reset() {
    if (key_) RegCloseKey(std::exchange(key_, nullptr));
  }
  HKEY key_ = nullptr;
};

}  // namespace tikora
