// What the generic view's files share: the groups the kinds of component fall into, the window
// class and styles a component is made as (each group's in its own file), and small helpers on
// controls and pictures.
#pragma once
#include <windows.h>

#include <optional>
#include <string>

#include "core/component.h"

namespace tikora {

// Controls are numbered from kFirstControlId by their place in the table, timers likewise.
inline constexpr UINT kFirstControlId = 1000;
inline constexpr UINT_PTR kFirstTimerId = 100;

// The groups of kinds, each made, updated and listened to in a file of its own.
enum class ControlGroup {
  None,      // the window, its layers and menu items: no control of their own
  Buttons,   // buttons, check boxes, radio buttons, labels, links, panels, group boxes, edits
  Lists,     // drop-down lists, font lists, colour boxes, picture lists
  ListView,  // report views
  Pickers,   // date and time pickers, up-downs, scroll bars, page tabs
  Sheets,    // pages and scrolled areas: plain windows other components lie on
  Pictures,  // painted by the window they lie on
  Browser,   // the system's web browser control
};
ControlGroup groupOf(ComponentKind kind);

// The system's pointer for a component's pointer shape.
HCURSOR pointerCursor(PointerShape shape);

// A control's or window's text.
std::wstring windowText(HWND hwnd);

// The text of a drop-down list's item; none for no item.
std::optional<std::wstring> comboItemText(HWND combo, LRESULT index);

// The name of a component's picture: the part before "#".
std::wstring pictureName(const std::wstring& picture);

// How pictures are stretched to the window's DPI: pixel for pixel at 96 DPI and at whole
// multiples of it, which keeps the pixel art crisp; smoothed at the scalings in between.
void setScalingMode(HDC dc, int dpi);

struct ControlClass {
  const wchar_t* className = L"STATIC";
  std::wstring text;
  DWORD style = 0;
  DWORD exStyle = 0;
  bool dropsDown = false;  // a list: its window includes the dropped-down part
};

// Owner-drawn lists: the height of the selection field and of a dropped-down item, at 96 DPI.
inline constexpr int kListFieldHeight = 18;
inline int listItemHeight(const Component& list) { return list.itemHeight > 0 ? list.itemHeight : kListFieldHeight; }

// The class and styles of component `index` of `table`, from the group of its kind. Tab stops
// go to every control a user works.
ControlClass controlClassOf(const Component& component, const ComponentTable& table, std::size_t index);
// Each group's share of it, given the class with the component's text: of a run of radio
// buttons only the first starts a group, so arrows move within it.
inline constexpr DWORD kTabStop = WS_TABSTOP | WS_GROUP;
void makeButtonClass(ControlClass& made, const Component& component, const ComponentTable& table, std::size_t index);
void makeListClass(ControlClass& made, const Component& component);
void makeListViewClass(ControlClass& made);
void makePickerClass(ControlClass& made, const Component& component);
// A picture that takes a click: a button drawn as the picture, named by the component's text.
void makePictureButtonClass(ControlClass& made);
// Whether a component is a picture that acts as a button, and so is made as a real control.
bool isPictureButton(const Component& component, const ComponentTable& table);
// Whether a component is a label (or link or panel) that takes a click, and so the keyboard too:
// it is a tab stop, marked while it has the focus, and Enter on it clicks it.
bool isClickableLabel(const Component& component, const ComponentTable& table);

// The page sheets: plain windows that pass their controls' notifications up to the window.
void registerSheetClass(HINSTANCE instance, WNDPROC procedure);

// The colour boxes: the sixteen standard colours, then "Custom...", and a colour selected.
void fillColourBox(HWND box);
// Selects the colour's item, adding the colour before "Custom..." when it is none of the list's.
void selectColour(HWND box, Colour colour);

}  // namespace tikora
