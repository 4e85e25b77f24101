// The control panel's owner-drawn lists: colour swatches and the frame and hand pictures.
#include "ui/win32/control_panel_owner_draw.h"

#include <algorithm>
#include <string>

#include "ui/win32/control_panel_controls.h"

namespace tikora {

bool ControlPanelControls::measureItem(MEASUREITEMSTRUCT& item) {
  if (item.CtlType != ODT_COMBOBOX) return false;
  // The hand list shows its pictures at their size; its selection field keeps the usual height.
  item.itemHeight = item.CtlID == handListId_ && item.itemID != static_cast<UINT>(-1) ? kHandItemHeight : kItemHeight;
  return true;
}

bool ControlPanelControls::drawItem(const DRAWITEMSTRUCT& item) {
  const Bound* bound = byHwnd(item.hwndItem);
  if (!bound || !bound->setting) return false;
  HDC dc = item.hDC;
  const RECT box = item.rcItem;
  const bool selected = item.itemState & ODS_SELECTED;
  FillRect(dc, &box, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
  if (item.itemID == static_cast<UINT>(-1)) return true;
  RECT swatch{box.left + 2, box.top + 2, box.right - 2, box.bottom - 2};
  if (bound->setting->control == SettingControl::ColorBox) {
    const auto data = static_cast<LPARAM>(item.itemData);
    if (data == kCustomColourItem) {
      SetBkMode(dc, TRANSPARENT);
      SetTextColor(dc, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
      RECT text = swatch;
      text.left += 4;
      DrawTextW(dc, L"Custom...", -1, &text, DT_SINGLELINE | DT_VCENTER | DT_LEFT);
      return true;
    }
    swatch.right = swatch.left + 28;
    HBRUSH brush = CreateSolidBrush(static_cast<COLORREF>(data));
    FillRect(dc, &swatch, brush);
    DeleteObject(brush);
    FrameRect(dc, &swatch, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    const wchar_t* name = L"Custom";
    for (const NamedColour& colour : kStandardColours)
      if (colour.colour == static_cast<COLORREF>(data)) name = colour.name;
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    RECT text{swatch.right + 6, box.top, box.right, box.bottom};
    DrawTextW(dc, name, -1, &text, DT_SINGLELINE | DT_VCENTER | DT_LEFT);
    return true;
  }
  // A picture list: one cell of the sample strip per item, the cells side by side along the
  // strip's long side.
  HBITMAP samples = bound->component == L"ComboBox1" ? frameSamples_ : handSamples_;
  const int count = bound->component == L"ComboBox1" ? 19 : 18;
  if (!samples) return true;
  BITMAP info{};
  GetObjectW(samples, sizeof info, &info);
  const bool across = info.bmWidth >= info.bmHeight;
  const int cell = (across ? info.bmWidth : info.bmHeight) / count;
  const int depth = across ? info.bmHeight : info.bmWidth;
  HDC memory = CreateCompatibleDC(dc);
  HGDIOBJ old = SelectObject(memory, samples);
  const int index = static_cast<int>(item.itemID);
  // The picture keeps its proportions, as high as the line allows.
  const int high = swatch.bottom - swatch.top;
  const int wide = std::min<int>(swatch.right - swatch.left, cell * high / std::max(1, depth));
  SetStretchBltMode(dc, HALFTONE);
  StretchBlt(dc, swatch.left, swatch.top, wide, high, memory, across ? index * cell : 0, across ? 0 : index * cell,
             across ? cell : depth, across ? depth : cell, SRCCOPY);
  SelectObject(memory, old);
  DeleteDC(memory);
  const std::wstring name = std::to_wstring(index + 1);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
  RECT text{swatch.left + wide + 6, box.top, box.right, box.bottom};
  DrawTextW(dc, name.c_str(), -1, &text, DT_SINGLELINE | DT_VCENTER | DT_LEFT);
  return true;
}

}  // namespace tikora
