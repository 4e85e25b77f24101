// The clock window (TForm1): a borderless 240 x 240 layered popup whose pure white pixels are
// see-through. It shows the layers of its ClockWindowModel (the pictures come from the control
// panel's ClockFace), owns the tray icon with its popup menu and the strip's tool-tip, and
// turns mouse, tray and menu messages into the model's handlers and their actions.
#pragma once
#include <windows.h>

#include "app/clock_face.h"
#include "app/clock_window_model.h"
#include "platform/resources.h"
#include "ui/win32/clock_compositor.h"
#include "ui/win32/clock_images.h"
#include "ui/win32/program_windows.h"
#include "ui/win32/strip_tooltip.h"
#include "ui/win32/tray_icon.h"
#include "ui/win32/user_handles.h"
#include "ui/win32/window_base.h"

namespace tikora {

inline constexpr wchar_t kClockWindowClass[] = L"TForm1";

class ClockWindow : public WindowBase<ClockWindow> {
 public:
  // `resources` must outlive the window; labels are drawn at `dpi`, as they are measured.
  ClockWindow(HINSTANCE instance, ProgramWindows& program, const Resources& resources, int dpi);
  ~ClockWindow() { destroy(); }

  // The window, hidden, captioned "Tikora", 240 x 240, pure white see-through.
  bool create();
  // The tray icon with the program icon, at once switched to the clock's image 0.
  void addTrayIcon();
  // No task bar button: the clock is a tool window, and no other window of the program stands
  // for it there.
  void keepOffTaskbar();
  void show();
  void placeAt(int left, int top);
  void setStayOnTop(bool onTop);
  // Whole-window alpha (0 to 255) on top of the white colour key, or the key alone.
  void setAlphaBlend(bool enabled, int alpha);

  ClockWindowModel& model() { return model_; }
  const ClockWindowModel& model() const { return model_; }

  // After a face tick or a face change: the strip's tool-tip follows its hint, and a changed face
  // is composed again and repainted.
  void faceUpdated(bool repaint);

  LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);

 private:
  const ClockFace* face() const;
  void perform(const ClockActions& actions);
  void setTrayImage(int index);
  void onPaint();
  void onLeftButtonDown(LPARAM lParam);
  void onLeftButtonUp(LPARAM lParam);
  void onMove();
  void onTrayCallback(LPARAM lParam);
  void onCommand(WPARAM wParam);

  HINSTANCE instance_;
  ProgramWindows& program_;
  const Resources& resources_;
  ClockWindowModel model_;
  ClockCompositor compositor_;
  ClockImages images_;
  TrayIcon tray_;
  UniqueIcon trayImage_;  // the icon the tray shows now
  StripToolTip toolTip_;
  bool recompose_ = true;
  bool pressOnStrip_ = false;
};

}  // namespace tikora
