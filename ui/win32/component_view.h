// The generic Win32 view of a window model: one real control per component of its
// ComponentTable, made from the component's kind, options and bounds; every state that changed
// since the last sync copied onto its control in one loop; every control notification turned
// into a raise() on the model. The view decides nothing: what a click does, what a list holds,
// what is enabled or shown is the model's.
//
// Real controls keep the keyboard, screen readers and UI automation working. Pictures (and the
// stripes and close buttons of the borderless windows) are painted by the window they lie on,
// which also hit-tests them for the mouse, so transparent labels over them show the picture.
//
// Bounds are in 96-DPI pixels; the view scales positions, sizes and fonts by the window's DPI,
// scaling edges rather than sizes, so neighbours that touch at 96 DPI still touch.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/bitmap.h"
#include "core/component.h"
#include "core/dpi.h"
#include "platform/win32/gdi.h"

namespace tikora {

class WebBrowserHost;

// A program-made picture by its name (the part of a component's `picture` before "#"); null
// when the program has none of that name, and the view then loads the bitmap resource.
using PictureSource = std::function<const Bitmap*(std::wstring_view name)>;

class ComponentView {
 public:
  // `window` is the window the table's Window component stands for (it must exist); the view
  // makes the other components as its children, or as children of their pages.
  ComponentView(HINSTANCE instance, HWND window, ComponentTable& table, PictureSource pictures = {});
  ~ComponentView();
  ComponentView(const ComponentView&) = delete;
  ComponentView& operator=(const ComponentView&) = delete;

  // Makes every control in its first state; a window hidden at start makes them when it is
  // first shown, and until then keeps only its own state.
  void create();
  // Copies onto its control every state the model marked as reached for writing, the window's
  // own included, and starts, stops or re-times the window's timers. The marks stay: code under
  // a sync made while a message is handled (a handler that shows its states before a message
  // box, a nested message loop) may still write through a reference it holds. A window hidden
  // after its controls were made follows only its own state; its controls keep their marks and
  // catch up when it shows.
  void sync();
  // The same, when no handler is left running (the message loop, between two messages): what
  // the controls now show is what the model holds, and the marks are taken.
  void settle();

  // The window's messages that concern its controls, its pictures and its timers; true (with
  // `result`) when the view handled the message. Pages pass theirs up to the window.
  bool handle(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
  // Whether the system's high contrast is on: the system's answer, unless replaced (a test on a
  // system that cannot turn it on).
  static bool (*highContrastOn)();

  // The model's table; the control of a component; the component of a control.
  ComponentTable& table() { return table_; }
  HWND control(std::wstring_view component) const;
  std::wstring_view componentOf(HWND control) const;
  int dpi() const { return dpi_; }
  // A new DPI (WM_DPICHANGED): every control placed, every font, list height and list picture
  // made again, and the model told.
  void setDpi(int dpi);

  // Runs after every event the view raised on the model and every timer tick: the program
  // syncs all its windows there, since an event in one may change another. Without it the view
  // syncs only itself.
  std::function<void()> syncAfterEvent;

 private:
  struct Control {
    HWND hwnd = nullptr;
    bool unthemed = false;    // drawn in the classic look, so its caption colour shows
    bool dropsDown = false;   // a list whose window is taller than its field
    bool refocus = false;     // disabled while it had the keyboard: takes it back when enabled
    HWND handedTo = nullptr;  // the control the keyboard went to meanwhile
    bool shown = false;       // shown on screen: visible, and on a scrolled area within its width
  };

  void makeControls();
  void createControl(std::size_t index);
  // Where a control lies on its parent at the window's DPI, and putting it there.
  Rect controlArea(std::size_t index);
  void placeControl(std::size_t index);
  HWND parentOf(const Component& component) const;
  Rect placeOnParent(const Component& component) const;
  const Component* scrolledAreaOf(const Component& component) const;
  bool withinScrolledArea(const Component& component, const Rect& placed) const;
  void showControl(std::size_t index, bool shown);
  void placeScrolledComponents(const Component& area);
  void apply(std::size_t index, bool force);
  void applyWindow(const Component& window, const ComponentState* before);
  void followTimers();
  // Tells the model the window's DPI (a DpiChange event on the window, if it listens).
  void tellDpi();
  // Whether the model listens to the mouse over a control (a link always shows where it is).
  bool watchesMouse(const Component& component) const;
  // With the system's high contrast on, a framed window (the control panel, the planner) shows
  // its controls in the system's colours; the borderless ones, which are pictures, keep theirs.
  bool systemColours() const;
  // The keyboard's mark on a label that takes a click.
  void drawFocusMark(HWND label, const Component& component);
  void readHighContrast();
  HFONT fontFor(const Component& component);
  HBRUSH brushFor(Colour colour);

  // After an event or a tick: syncAfterEvent, or this view's own sync.
  void syncAfterChange();
  void syncMarked(bool takeMarks);
  void raise(std::wstring_view component, ComponentEvent event, const ComponentInput& input = {});
  // The window's notifications, each handed to the group of its control's kind.
  void onCommand(HWND from, UINT code);
  void onScroll(HWND bar, WPARAM request);
  bool onNotify(const NMHDR& header, LRESULT& result);
  bool onControlColour(HDC dc, HWND from, LRESULT& result);
  bool onSetCursor(HWND over);

  // Each group of kinds of control in a file of its own, which holds how its controls are set
  // up once made (their classes are in component_view_parts.h), how their states are copied
  // onto them and what their notifications raise on the model.
  //
  // Buttons, check boxes, radio buttons, labels, panels and edits (component_view_buttons.cpp).
  void applyButton(std::size_t index, const ComponentState* before);
  void onButtonCommand(std::size_t index, UINT code);
  // Drop-down lists, font lists, colour boxes and picture lists (component_view_lists.cpp).
  void applyList(std::size_t index, const ComponentState* before);
  void onListCommand(std::size_t index, UINT code);
  void pickCustomColour(std::size_t index);
  bool onMeasureItem(MEASUREITEMSTRUCT& item);
  bool onDrawItem(const DRAWITEMSTRUCT& item);
  void placeListAtDpi(std::size_t index);
  // List views (component_view_list_view.cpp).
  void setUpListView(std::size_t index);
  void applyListView(std::size_t index, const ComponentState* before);
  bool onListViewNotify(std::size_t index, const NMHDR& header, LRESULT& result);
  void placeListViewAtDpi(std::size_t index);
  HIMAGELIST imageListFor(const std::wstring& resource);
  // Date and time pickers, up-downs, scroll bars and page tabs (component_view_pickers.cpp).
  void setUpPicker(std::size_t index);
  void applyPicker(std::size_t index, const ComponentState* before);
  void onPickerScroll(std::size_t index, WPARAM request);
  bool onPickerNotify(std::size_t index, const NMHDR& header);
  // Pictures and stripes, painted and hit-tested by the window they lie on
  // (component_view_pictures.cpp).
  void paintPictures(HWND surface, HDC dc);
  const Component* pictureAt(HWND surface, POINT client) const;
  bool onMouse(HWND surface, UINT message, WPARAM wParam, LPARAM lParam);
  HBITMAP resourceBitmap(const std::wstring& name);
  // Pictures that take a click are buttons too, drawn as what the window paints under them, so
  // that the keyboard reaches them and a screen reader names them.
  void applyPictureButton(std::size_t index, const ComponentState* before);
  bool drawPictureButton(const DRAWITEMSTRUCT& item);
  // Web browsers: a host window with the system's control in it (component_view_browser.cpp).
  void createBrowser(std::size_t index);
  void applyBrowser(std::size_t index, const ComponentState* before);

  static LRESULT CALLBACK controlWatcher(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                         DWORD_PTR self);
  static LRESULT CALLBACK sheetProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

  HINSTANCE instance_;
  HWND window_;
  ComponentTable& table_;
  // The same table for reading: a component reached through table_ is marked as changed.
  const ComponentTable& model_;
  PictureSource pictures_;
  int dpi_ = 96;
  std::vector<Control> controls_;  // one per component, in table order; null hwnd for none
  std::map<HWND, std::size_t> byHwnd_;
  std::vector<std::unique_ptr<ComponentState>> applied_;
  std::vector<std::pair<bool, std::uint32_t>> timersApplied_;
  std::map<std::wstring, GdiObject<HBITMAP>> bitmaps_;
  std::map<std::pair<std::wstring, int>, GdiObject<HFONT>> fonts_;  // by description and DPI
  std::map<Colour, GdiObject<HBRUSH>> brushes_;
  std::map<std::pair<std::wstring, int>, HIMAGELIST> imageLists_;    // list views' pictures, by resource and DPI
  std::map<std::size_t, std::unique_ptr<WebBrowserHost>> browsers_;  // by component index
  std::wstring hovered_;  // the picture or control the pointer is over, for MouseLeave
  bool applying_ = false;
  bool controlsMade_ = false;
  bool highContrast_ = false;  // the system's high-contrast mode, as last read
  COLORREF customColours_[16]{};
};

}  // namespace tikora
