// The common part of the program's windows: class registration, creation with `this` handed to
// the window procedure, and a window procedure that forwards every message to the owning
// object's handleMessage. No exception leaves the window procedure: one thrown by a handler is
// answered as the default procedure would answer the message.
//
// A window object lives longer than its window: destroying the object destroys the window if
// it is still there (the derived class calls destroy() in its destructor, so that its handlers
// still run), and a window destroyed first leaves the object with a null hwnd().
#pragma once
#include <windows.h>

#include <utility>

namespace tikora {

struct WindowClassInfo {
  const wchar_t* name = nullptr;
  HBRUSH background = nullptr;
  HICON icon = nullptr;
  UINT style = 0;
};

template <class Derived>
class WindowBase {
 public:
  WindowBase() = default;
  WindowBase(const WindowBase&) = delete;
  WindowBase& operator=(const WindowBase&) = delete;
  // A derived window calls destroy() in its own destructor, while its handlers still exist; a
  // window left over here gets no more messages and is destroyed quietly.
  ~WindowBase() {
    if (hwnd_) {
      SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
      DestroyWindow(std::exchange(hwnd_, nullptr));
    }
  }

  HWND hwnd() const { return hwnd_; }
  void destroy() {
    if (hwnd_) DestroyWindow(hwnd_);
  }
  bool showing() const { return hwnd_ && IsWindowVisible(hwnd_); }

 protected:
  // Registers the class once per process; later calls find it registered.
  static bool registerClass(HINSTANCE instance, const WindowClassInfo& info) {
    WNDCLASSEXW existing{};
    existing.cbSize = sizeof existing;
    if (GetClassInfoExW(instance, info.name, &existing)) return true;
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = info.style;
    windowClass.lpfnWndProc = &WindowBase::windowProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = info.icon;
    windowClass.hIconSm = info.icon;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = info.background;
    windowClass.lpszClassName = info.name;
    return RegisterClassExW(&windowClass) != 0;
  }

  bool createWindow(HINSTANCE instance, DWORD exStyle, const wchar_t* className, const wchar_t* caption, DWORD style,
                    int left, int top, int width, int height, HWND owner = nullptr) {
    CreateWindowExW(exStyle, className, caption, style, left, top, width, height, owner, nullptr, instance,
                    static_cast<Derived*>(this));
    return hwnd_ != nullptr;
  }

  LRESULT defaultProcedure(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcW(hwnd_, message, wParam, lParam);
  }

 private:
  static LRESULT CALLBACK windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    Derived* self = nullptr;
    if (message == WM_NCCREATE) {
      // The object comes with the first message that can carry it; from here on the window
      // finds it in its user data.
      self = static_cast<Derived*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
      SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
      self->hwnd_ = hwnd;
    } else {
      self = reinterpret_cast<Derived*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    }
    if (!self) return DefWindowProcW(hwnd, message, wParam, lParam);

    LRESULT result = 0;
    try {
      result = self->handleMessage(message, wParam, lParam);
    } catch (...) {
      result = DefWindowProcW(hwnd, message, wParam, lParam);
    }
    if (message == WM_NCDESTROY) {
      SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
      self->hwnd_ = nullptr;
    }
    return result;
  }

  HWND hwnd_ = nullptr;
};

}  // namespace tikora
