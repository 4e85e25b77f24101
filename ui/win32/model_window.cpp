// A window made from its model; see model_window.h.
#include "ui/win32/model_window.h"

#include <utility>

namespace tikora {
namespace {

constexpr DWORD kFramedStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;

}  // namespace

ModelWindow::ModelWindow(HINSTANCE instance, ComponentTable& table, PictureSource pictures)
    : instance_(instance), table_(table), pictures_(std::move(pictures)) {}

ModelWindow::~ModelWindow() {
  view_.reset();  // the controls first, while the window still stands
  destroy();
}

bool ModelWindow::create() {
  const Component& form = std::as_const(table_).window();
  const bool borderless = form.options & kBorderless;
  const std::wstring className = form.name;
  HBRUSH background =
      form.state.background ? CreateSolidBrush(*form.state.background & 0xFFFFFF) : GetSysColorBrush(COLOR_BTNFACE);
  const WindowClassInfo windowClass{className.c_str(), background,
                                    borderless ? nullptr : LoadIconW(instance_, L"MAINICON"), 0};
  if (!registerClass(instance_, windowClass)) return false;
  const DWORD style = borderless ? WS_POPUP : kFramedStyle;
  const DWORD exStyle = WS_EX_CONTROLPARENT | (borderless ? WS_EX_TOOLWINDOW : 0);
  if (!createWindow(instance_, exStyle, className.c_str(), form.state.text.c_str(), style, 0, 0, 0, 0)) return false;
  view_ = std::make_unique<ComponentView>(instance_, hwnd(), table_, pictures_);
  view_->create();
  return true;
}

HWND ModelWindow::firstWorkedControl() const {
  HWND first = GetNextDlgTabItem(hwnd(), nullptr, FALSE);
  for (HWND at = first; at;) {
    wchar_t name[16]{};
    GetClassNameW(at, name, 16);
    if (lstrcmpiW(name, L"Static") != 0) return at;
    at = GetNextDlgTabItem(hwnd(), at, FALSE);
    if (at == first) break;
  }
  return first;
}

LRESULT ModelWindow::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (view_) {
    LRESULT result = 0;
    if (view_->handle(message, wParam, lParam, result)) return result;
  }
  switch (message) {
    case WM_COMMAND:
      // Escape (through IsDialogMessage) closes the window as its close box does.
      if (LOWORD(wParam) == IDCANCEL && lParam == 0) {
        PostMessageW(hwnd(), WM_CLOSE, 0, 0);
        return 0;
      }
      break;
    case WM_ACTIVATE:
      // The keyboard goes back to the control that had it, or to the first a user works, as in
      // a dialog box.
      if (LOWORD(wParam) == WA_INACTIVE) {
        HWND focus = GetFocus();
        focused_ = focus && IsChild(hwnd(), focus) ? focus : nullptr;
      } else if (!(std::as_const(table_).window().options & kBorderless)) {
        HWND target = focused_;
        if (!target || !IsWindow(target) || !IsWindowVisible(target) || !IsWindowEnabled(target))
          target = firstWorkedControl();
        if (target) {
          SetFocus(target);
          return 0;
        }
      }
      break;
    case WM_CLOSE: {
      // No close action of its own: the window only hides.
      ComponentState& form = table_.window().state;
      form.visible = false;
      if (view_) view_->sync();
      return 0;
    }
    case WM_DPICHANGED: {
      // The suggested rectangle keeps the window the same size on the new monitor.
      const auto* suggested = reinterpret_cast<const RECT*>(lParam);
      if (view_) view_->setDpi(HIWORD(wParam));
      SetWindowPos(hwnd(), nullptr, suggested->left, suggested->top, suggested->right - suggested->left,
                   suggested->bottom - suggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
      return 0;
    }
  }
  return defaultProcedure(message, wParam, lParam);
}

}  // namespace tikora
