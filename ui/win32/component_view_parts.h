// What the generic view needs to know per kind of component: the window class and styles a
// component is made as, the set-up right after it is made, the page sheets, and the colour
// boxes' standard colours.
#pragma once
#include <windows.h>

#include <array>
#include <optional>
#include <string>

#include "core/component.h"

namespace tikora {

// Controls are numbered from kFirstControlId by their place in the table, timers likewise.
inline constexpr UINT kFirstControlId = 1000;
inline constexpr UINT_PTR kFirstTimerId = 100;

// The system's pointer for a component's pointer shape.
HCURSOR pointerCursor(PointerShape shape);

// The text of a drop-down list's item; none for no item.
std::optional<std::wstring> comboItemText(HWND combo, LRESULT index);

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

// The class and styles of component `index` of `table`. Tab stops go to every control a user
// works; of a run of radio buttons only the first starts a group, so arrows move within it.
ControlClass controlClassOf(const Component& component, const ComponentTable& table, std::size_t index);

// Everything a control needs right after it is made: a list view's style and columns, a tab
// control's pages, a list's item height, an up-down's edit.
void setUpControl(HWND hwnd, const Component& component, const ComponentTable& table);

// The page sheets: plain windows that pass their controls' notifications up to the window.
void registerSheetClass(HINSTANCE instance, WNDPROC procedure);

// The colour boxes: the sixteen standard colours, then "Custom...".
inline constexpr LPARAM kCustomColourItem = -1;
struct NamedColour {
  const wchar_t* name;
  COLORREF colour;
};
inline constexpr std::array<NamedColour, 16> kStandardColours{{
    {L"Black", RGB(0, 0, 0)},
    {L"Maroon", RGB(128, 0, 0)},
    {L"Green", RGB(0, 128, 0)},
    {L"Olive", RGB(128, 128, 0)},
    {L"Navy", RGB(0, 0, 128)},
    {L"Purple", RGB(128, 0, 128)},
    {L"Teal", RGB(0, 128, 128)},
    {L"Gray", RGB(128, 128, 128)},
    {L"Silver", RGB(192, 192, 192)},
    {L"Red", RGB(255, 0, 0)},
    {L"Lime", RGB(0, 255, 0)},
    {L"Yellow", RGB(255, 255, 0)},
    {L"Blue", RGB(0, 0, 255)},
    {L"Fuchsia", RGB(255, 0, 255)},
    {L"Aqua", RGB(0, 255, 255)},
    {L"White", RGB(255, 255, 255)},
}};
void fillColourBox(HWND box);
// Selects the colour's item, adding the colour before "Custom..." when it is none of the list's.
void selectColour(HWND box, Colour colour);

}  // namespace tikora
