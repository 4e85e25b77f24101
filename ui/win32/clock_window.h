// The clock window (TForm1): a borderless 240 x 240 layered popup whose pure white pixels are
// see-through. It shows the layers of the program's ClockWindowModel (the pictures come from the
// ClockFace), follows the model's window state (place, alpha, stay on top), owns the tray icon
// with its popup menu and the strip's tool-tip, and turns mouse, tray and menu messages into the
// model's handlers and their actions.
#pragma once
#include <windows.h>

#include <array>
#include <functional>
#include <memory>

#include "clock/clock_window_model.h"
#include "ui/win32/clock_compositor.h"
#include "ui/win32/clock_images.h"
#include "ui/win32/strip_tooltip.h"
#include "ui/win32/tray_icon.h"
#include "ui/win32/user_handles.h"
#include "ui/win32/window_base.h"

namespace tikora {

class ProgramModel;

inline constexpr const wchar_t* kClockWindowClass = kClockWindowName.data();

class ClockWindow : public WindowBase<ClockWindow> {
 public:
  // `syncWindows` shows every window's model again, after the clock's own events.
  ClockWindow(HINSTANCE instance, ProgramModel& program, std::function<void()> syncWindows);
  ~ClockWindow() { destroy(); }

  // The window, hidden, captioned "Tikora", 240 x 240, pure white see-through.
  bool create();
  // The tray icon with the program icon, at once switched to the clock's image 0.
  void addTrayIcon();
  // No task bar button: the clock is a tool window, and no other window of the program stands
  // for it there.
  void keepOffTaskbar();

  ClockWindowModel& model();

  // The window follows its model: place, alpha, stay on top, shown; the strip's tool-tip its
  // hint; a changed face or layer is composed again and repainted.
  void sync();

  LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);

 private:
  void perform(const ClockActions& actions);
  void setTrayImage(int index);
  void onPaint();
  void onLeftButtonDown(LPARAM lParam);
  void onLeftButtonUp(LPARAM lParam);
  void onMove();
  void onTrayCallback(WPARAM wParam, LPARAM lParam);
  void onCommand(WPARAM wParam, LPARAM lParam);
  // The strip's two parts as buttons over it, named by their hints: the keyboard reaches them
  // (Tab, Enter, Space) and a screen reader names them; the mouse goes through them to the
  // window, and each shows exactly the window's pixels under it, with the focus mark while the
  // keyboard is on it.
  void createStripButtons();
  bool drawStripButton(const DRAWITEMSTRUCT& item);
  static LRESULT CALLBACK stripButtonWatcher(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                             DWORD_PTR);

  HINSTANCE instance_;
  ProgramModel& program_;
  std::function<void()> syncWindows_;
  ClockCompositor compositor_;
  ClockImages images_;
  TrayIcon tray_;
  UniqueIcon trayImage_;  // the icon the tray shows now
  StripToolTip toolTip_;
  // What the window shows now: the window's own state (the compositor keeps the layers').
  std::unique_ptr<ComponentState> shownWindow_;
  bool pressOnStrip_ = false;
  POINT trayAnchor_{};                  // where the shell last said the tray icon is
  DWORD iconMenuClosedAt_ = 0;          // tick count when the menu opened at the icon last closed
  std::array<HWND, 2> stripButtons_{};  // "Clock Control Panel", "Close the Program"
  UINT taskbarCreated_ = 0;             // the shell's message to every top-level window once it has restarted
};

}  // namespace tikora
