// The control panel's controls, made from the page tables and bound to the live settings: each
// control that holds a stored value shows it from the Settings record and writes the user's
// changes straight back into it.
#pragma once
#include <windows.h>

#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <string_view>
#include <vector>

#include "app/settings.h"
#include "app/settings_schema.h"
#include "ui/win32/control_panel_layout.h"

namespace tikora {

struct PanelControlsServices {
  HINSTANCE instance = nullptr;
  HWND parent = nullptr;
  HFONT font = nullptr;
  std::vector<std::wstring> fontNames;  // the installed fonts, for the font lists
};

class ControlPanelControls {
 public:
  ControlPanelControls(Settings& settings, PanelControlsServices services);
  ~ControlPanelControls();
  ControlPanelControls(const ControlPanelControls&) = delete;
  ControlPanelControls& operator=(const ControlPanelControls&) = delete;

  // Makes a sheet for every page over `area` (the parent's client coordinates) and the page's
  // controls on it; the first page is shown.
  void create(std::span<const PanelPage> pages, const RECT& area);
  void showPage(std::size_t page);
  // Every bound control shows its value from the record again.
  void refreshAll();

  // Message handlers; true when the message was one of these controls'.
  bool command(WPARAM wParam, LPARAM lParam);
  bool scroll(HWND bar, WPARAM request);
  bool notify(const NMHDR& header);
  bool measureItem(MEASUREITEMSTRUCT& item);
  bool drawItem(const DRAWITEMSTRUCT& item);

  // Runs after a bound control changed its value in the record.
  std::function<void(const SettingSpec&)> onChanged;
  // A control that holds no stored value was clicked (a button, an unstored check box).
  std::function<void(std::wstring_view component)> onClicked;
  // The user typed into an editable list (the exact power-off time's hour and minute).
  std::function<void(std::wstring_view component, const std::wstring& text)> onTyped;
  // A mouse button went down on a control watched with watchMouseDown.
  std::function<void(std::wstring_view component)> onMouseDown;

  // The arrows of an up-down were clicked: its value in the record follows its position. True
  // when `arrows` is one of these controls.
  bool upDownScrolled(HWND arrows);

  HWND find(std::wstring_view component) const;
  // The component name of one of these controls; empty for any other window.
  std::wstring_view componentOf(HWND hwnd) const;

  // ---- Controls whose state is not a stored value ----
  bool checked(std::wstring_view component) const;
  void setChecked(std::wstring_view component, bool checked);
  void setText(std::wstring_view component, const std::wstring& text);
  void setEnabled(std::wstring_view component, bool enabled);
  void setVisible(std::wstring_view component, bool visible);
  // Moves a control to `left` (its sheet's coordinates) and sizes it to `width`, keeping its
  // top and height.
  void setSpan(std::wstring_view component, int left, int width);
  // Left edge and width of a control on its sheet.
  std::pair<int, int> span(std::wstring_view component) const;
  // Caption colours of check boxes and radio buttons; the classic look is used for them, so
  // that the colour shows under visual styles too.
  void setTextColour(std::wstring_view component, COLORREF colour);
  // The caption colour given to `control`, if any.
  std::optional<COLORREF> textColourOf(HWND control) const;
  void watchMouseDown(std::wstring_view component);
  // Called by the watcher of a control.
  void mouseWentDown(HWND control);

 private:
  struct Bound {
    HWND hwnd = nullptr;
    HWND buddy = nullptr;  // the up-down of an edit
    const SettingSpec* setting = nullptr;
    std::wstring_view component;
    std::size_t page = 0;
  };

  void createGroup(const PanelGroup& group, std::size_t page);
  HWND makeControl(const wchar_t* cls, const wchar_t* text, DWORD style, int x, int y, int w, int h,
                   std::size_t page, std::wstring_view component, const SettingSpec* setting,
                   DWORD exStyle = 0);
  int textWidth(std::wstring_view text) const;
  void fillList(const Bound& bound);
  void show(const Bound& bound);
  void userChanged(const Bound& bound);
  void pickCustomColour(const Bound& bound);
  const Bound* byHwnd(HWND hwnd) const;

  Settings& settings_;
  PanelControlsServices s_;
  std::vector<Bound> controls_;
  std::vector<HWND> sheets_;
  POINT origin_{};  // the sheets' top left in the parent's client area
  HBITMAP frameSamples_ = nullptr;
  HBITMAP handSamples_ = nullptr;
  std::vector<HBITMAP> pictures_;  // the pictures' bitmaps
  std::set<HWND> overs_;           // controls lying over a picture
  std::map<HWND, COLORREF> textColours_;
  bool refreshing_ = false;
  COLORREF customColours_[16]{};
  UINT nextId_ = 1000;
  UINT handListId_ = 0;  // the hand picture list's control id
};

}  // namespace tikora
