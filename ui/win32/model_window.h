// A window of the program made from its model: its class and caption from the model's Window
// component, framed (caption bar, system menu, minimise box) or borderless, and every control
// made and kept up to date by a ComponentView. Closing (the close box, or Escape where the window
// takes dialog keys) runs the model's Close handler; a window whose model has none hides instead,
// since the program's windows are made once and only shown and hidden until the program ends.
#pragma once
#include <windows.h>

#include <memory>

#include "core/component.h"
#include "ui/win32/component_view.h"
#include "ui/win32/window_base.h"

namespace tikora {

class ModelWindow : public WindowBase<ModelWindow> {
 public:
  // `table` must outlive the window; its first component is the Window.
  ModelWindow(HINSTANCE instance, ComponentTable& table, PictureSource pictures = {});
  ~ModelWindow();

  // The window and its controls, hidden (or shown, as the model says).
  bool create();
  ComponentView& view() { return *view_; }
  ComponentTable& table() { return table_; }

  LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);

 private:
  // The first control in the tab order that is not a label (a link is left to Tab).
  HWND firstWorkedControl() const;

  HINSTANCE instance_;
  ComponentTable& table_;
  PictureSource pictures_;
  std::unique_ptr<ComponentView> view_;
  HWND focused_ = nullptr;  // the control that had the keyboard when the window was left
};

}  // namespace tikora
