// Owners for GDI handles: a device context from GetDC, a memory device context, a scoped
// SelectObject that puts the previous object back, and an owning GDI object. Each converts to
// the raw handle so Win32 calls read as usual; copies are deleted, moves allowed.
#pragma once
#include <windows.h>

#include <utility>

namespace tikora {

// GetDC / ReleaseDC. The default is the whole screen.
class WindowDc {
 public:
  explicit WindowDc(HWND window = nullptr) : window_(window), dc_(GetDC(window)) {}
  ~WindowDc() { reset(); }
  WindowDc(const WindowDc&) = delete;
  WindowDc& operator=(const WindowDc&) = delete;
  WindowDc(WindowDc&& other) noexcept : window_(other.window_), dc_(std::exchange(other.dc_, nullptr)) {}
  WindowDc& operator=(WindowDc&& other) noexcept {
    if (this != &other) {
      reset();
      window_ = other.window_;
      dc_ = std::exchange(other.dc_, nullptr);
    }
    return *this;
  }

  operator HDC() const { return dc_; }
  bool valid() const { return dc_ != nullptr; }

 private:
  void reset() {
    if (dc_) ReleaseDC(window_, std::exchange(dc_, nullptr));
  }
  HWND window_ = nullptr;
  HDC dc_ = nullptr;
};

// CreateCompatibleDC / DeleteDC. Compatible with the screen unless another DC is given.
class MemoryDc {
 public:
  explicit MemoryDc(HDC compatibleWith = nullptr) : dc_(CreateCompatibleDC(compatibleWith)) {}
  ~MemoryDc() { reset(); }
  MemoryDc(const MemoryDc&) = delete;
  MemoryDc& operator=(const MemoryDc&) = delete;
  MemoryDc(MemoryDc&& other) noexcept : dc_(std::exchange(other.dc_, nullptr)) {}
  MemoryDc& operator=(MemoryDc&& other) noexcept {
    if (this != &other) {
      reset();
      dc_ = std::exchange(other.dc_, nullptr);
    }
    return *this;
  }

  operator HDC() const { return dc_; }
  bool valid() const { return dc_ != nullptr; }

 private:
  void reset() {
    if (dc_) DeleteDC(std::exchange(dc_, nullptr));
  }
  HDC dc_ = nullptr;
};

// Selects an object into a DC for the lifetime of this object. Putting the old object back
// matters: a DC must not be released or deleted while one of our objects is selected into it,
// or that object can never be deleted (a GDI leak).
class SelectedObject {
 public:
  SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), old_(SelectObject(dc, object)) {
    if (old_ == HGDI_ERROR) old_ = nullptr;
  }
  ~SelectedObject() { reset(); }
  SelectedObject(const SelectedObject&) = delete;
  SelectedObject& operator=(const SelectedObject&) = delete;
  SelectedObject(SelectedObject&& other) noexcept : dc_(other.dc_), old_(std::exchange(other.old_, nullptr)) {}
  SelectedObject& operator=(SelectedObject&& other) noexcept {
    if (this != &other) {
      reset();
      dc_ = other.dc_;
      old_ = std::exchange(other.old_, nullptr);
    }
    return *this;
  }

  // Whether the object went into the DC.
  bool valid() const { return old_ != nullptr; }

 private:
  void reset() {
    if (old_) SelectObject(dc_, std::exchange(old_, nullptr));
  }
  HDC dc_ = nullptr;
  HGDIOBJ old_ = nullptr;
};

// Owns a pen, brush, font, bitmap or region and deletes it with DeleteObject.
template <class Handle>
class GdiObject {
 public:
  GdiObject() = default;
  explicit GdiObject(Handle handle) : handle_(handle) {}
  ~GdiObject() { reset(); }
  GdiObject(const GdiObject&) = delete;
  GdiObject& operator=(const GdiObject&) = delete;
  GdiObject(GdiObject&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
  GdiObject& operator=(GdiObject&& other) noexcept {
    if (this != &other) reset(std::exchange(other.handle_, nullptr));
    return *this;
  }

  operator Handle() const { return handle_; }
  Handle get() const { return handle_; }
  bool valid() const { return handle_ != nullptr; }
  Handle release() { return std::exchange(handle_, nullptr); }
  void reset(Handle handle = nullptr) {
    if (handle_) DeleteObject(handle_);
    handle_ = handle;
  }

 private:
  Handle handle_ = nullptr;
};

}  // namespace tikora
