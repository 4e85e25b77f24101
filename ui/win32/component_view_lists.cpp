// The generic view's lists: drop-down lists, lists that may be typed into, font lists, colour
// boxes and picture lists, the owner-drawn ones drawn here; see component_view.h.
#include "ui/win32/component_view.h"

#include <commctrl.h>
#include <commdlg.h>

#include <array>
#include <optional>
#include <string>

#include "platform/win32/gdi.h"
#include "ui/win32/component_view_parts.h"

namespace tikora {
namespace {

// The colour boxes: the sixteen standard colours, then "Custom...".
constexpr LPARAM kCustomColourItem = -1;
struct NamedColour {
  const wchar_t* name;
  COLORREF colour;
};
constexpr std::array<NamedColour, 16> kStandardColours{{
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

}  // namespace

void makeListClass(ControlClass& made, const Component& c) {
  made.className = L"COMBOBOX";
  made.dropsDown = true;
  made.text.clear();
  switch (c.kind) {
    case ComponentKind::ComboBox:
      // A list with a prompt draws its field itself: the system's shows nothing without a choice.
      made.style =
          CBS_DROPDOWNLIST | CBS_HASSTRINGS | WS_VSCROLL | kTabStop | ((c.options & kPrompt) ? CBS_OWNERDRAWFIXED : 0);
      break;
    case ComponentKind::EditableComboBox:
    case ComponentKind::FontList:
      made.style = CBS_DROPDOWN | CBS_AUTOHSCROLL | CBS_HASSTRINGS | WS_VSCROLL | kTabStop;
      break;
    default:
      // Colour boxes and picture lists draw their items, and keep their texts for a screen
      // reader; an item's colour is its item data.
      made.style = CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS | WS_VSCROLL | kTabStop;
      break;
  }
}

// What a colour box's item says: the colour's name, or its parts for a colour of the user's own.
static std::wstring colourItemText(LPARAM data) {
  if (data == kCustomColourItem) return L"Custom...";
  for (const NamedColour& colour : kStandardColours)
    if (colour.colour == static_cast<COLORREF>(data)) return colour.name;
  const auto part = [data](int shift) { return std::to_wstring((data >> shift) & 0xFF); };
  return L"Custom colour: red " + part(0) + L", green " + part(8) + L", blue " + part(16);
}

static LRESULT insertColour(HWND box, WPARAM at, LPARAM data) {
  const std::wstring text = colourItemText(data);
  const LRESULT index = SendMessageW(box, CB_INSERTSTRING, at, reinterpret_cast<LPARAM>(text.c_str()));
  if (index >= 0) SendMessageW(box, CB_SETITEMDATA, static_cast<WPARAM>(index), data);
  return index;
}

void fillColourBox(HWND box) {
  for (const NamedColour& colour : kStandardColours)
    insertColour(box, static_cast<WPARAM>(-1), static_cast<LPARAM>(colour.colour));
  insertColour(box, static_cast<WPARAM>(-1), kCustomColourItem);
}

void selectColour(HWND box, Colour colour) {
  const auto data = static_cast<LPARAM>(colour);
  const LRESULT count = SendMessageW(box, CB_GETCOUNT, 0, 0);
  LRESULT index = CB_ERR;
  for (LRESULT i = 0; i < count && index == CB_ERR; ++i)
    if (SendMessageW(box, CB_GETITEMDATA, static_cast<WPARAM>(i), 0) == data) index = i;
  // A colour of its own goes in just before the custom colour entry.
  if (index == CB_ERR) index = insertColour(box, static_cast<WPARAM>(count - 1), data);
  SendMessageW(box, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void ComponentView::applyList(std::size_t index, const ComponentState* before) {
  const Component& c = model_.all()[index];
  HWND hwnd = controls_[index].hwnd;
  const ComponentState& s = c.state;
  if (c.kind == ComponentKind::ColourBox) {
    if (!before) fillColourBox(hwnd);
    if (!before || before->selectedColour != s.selectedColour) selectColour(hwnd, s.selectedColour);
    return;
  }
  if (!before || before->items != s.items) {
    SendMessageW(hwnd, CB_RESETCONTENT, 0, 0);
    for (const std::wstring& item : s.items)
      SendMessageW(hwnd, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
    before = nullptr;  // the selection and the text go back in
  }
  switch (c.kind) {
    case ComponentKind::ComboBox:
    case ComponentKind::PictureList:
      if (!before || before->selected != s.selected)
        SendMessageW(hwnd, CB_SETCURSEL, static_cast<WPARAM>(s.selected), 0);
      if ((c.options & kPrompt) && before && before->text != s.text) InvalidateRect(hwnd, nullptr, TRUE);
      break;
    case ComponentKind::EditableComboBox:
    case ComponentKind::FontList:
      // A list that may be typed into shows its text, which may name no item. What the user is
      // typing is left alone: touching the selection would put the caret back to the start.
      if ((!before || before->selected != s.selected || before->text != s.text) && windowText(hwnd) != s.text) {
        const LRESULT item = s.text.empty() ? CB_ERR
                                            : SendMessageW(hwnd, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                                           reinterpret_cast<LPARAM>(s.text.c_str()));
        SendMessageW(hwnd, CB_SETCURSEL, static_cast<WPARAM>(item == CB_ERR ? -1 : item), 0);
        if (windowText(hwnd) != s.text) SetWindowTextW(hwnd, s.text.c_str());
      }
      break;
    default: break;
  }
}

void ComponentView::onListCommand(std::size_t index, UINT code) {
  const Component& c = model_.all()[index];
  HWND from = controls_[index].hwnd;
  ComponentInput input;
  switch (c.kind) {
    case ComponentKind::ComboBox:
    case ComponentKind::PictureList:
      if (code != CBN_SELCHANGE) break;
      input.selected = static_cast<int>(SendMessageW(from, CB_GETCURSEL, 0, 0));
      raise(c.name, ComponentEvent::Change, input);
      break;
    case ComponentKind::EditableComboBox:
    case ComponentKind::FontList: {
      if (code == CBN_EDITCHANGE) {
        input.text = windowText(from);
        raise(c.name, c.kind == ComponentKind::FontList ? ComponentEvent::Change : ComponentEvent::Typed, input);
      } else if (code == CBN_SELCHANGE) {
        const LRESULT item = SendMessageW(from, CB_GETCURSEL, 0, 0);
        const std::optional<std::wstring> text = comboItemText(from, item);
        if (!text) break;
        input.selected = static_cast<int>(item);
        input.text = *text;
        raise(c.name, ComponentEvent::Change, input);
      }
      break;
    }
    case ComponentKind::ColourBox: {
      if (code != CBN_SELCHANGE) break;
      const LRESULT item = SendMessageW(from, CB_GETCURSEL, 0, 0);
      const LRESULT data = SendMessageW(from, CB_GETITEMDATA, static_cast<WPARAM>(item), 0);
      if (data == kCustomColourItem) {
        pickCustomColour(index);
      } else {
        input.colour = static_cast<Colour>(data);
        raise(c.name, ComponentEvent::Change, input);
      }
      break;
    }
    default: break;
  }
}

void ComponentView::pickCustomColour(std::size_t index) {
  const Component& c = model_.all()[index];
  CHOOSECOLORW choice{};
  choice.lStructSize = sizeof choice;
  choice.hwndOwner = window_;
  choice.rgbResult = c.state.selectedColour & 0x00FFFFFF;
  choice.lpCustColors = customColours_;
  choice.Flags = CC_FULLOPEN | CC_RGBINIT;
  if (ChooseColorW(&choice)) {
    ComponentInput input;
    input.colour = choice.rgbResult;
    raise(c.name, ComponentEvent::Change, input);
    return;
  }
  // Cancelled: the box shows the colour it had.
  applying_ = true;
  selectColour(controls_[index].hwnd, c.state.selectedColour);
  applying_ = false;
}

void ComponentView::placeListAtDpi(std::size_t index) {
  const Component& c = model_.all()[index];
  if (c.kind != ComponentKind::ColourBox && c.kind != ComponentKind::PictureList) return;
  HWND hwnd = controls_[index].hwnd;
  SendMessageW(hwnd, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), scaleToDpi(kListFieldHeight, dpi_));
  SendMessageW(hwnd, CB_SETITEMHEIGHT, 0, scaleToDpi(listItemHeight(c), dpi_));
}

bool ComponentView::onMeasureItem(MEASUREITEMSTRUCT& item) {
  if (item.CtlType != ODT_COMBOBOX || item.CtlID < kFirstControlId) return false;
  const std::size_t index = item.CtlID - kFirstControlId;
  if (index >= model_.all().size()) return false;
  const Component& c = model_.all()[index];
  // A list of tall pictures keeps the usual height in its selection field.
  const int height = item.itemID == static_cast<UINT>(-1) ? kListFieldHeight : listItemHeight(c);
  item.itemHeight = static_cast<UINT>(scaleToDpi(height, dpi_));
  return true;
}

bool ComponentView::onDrawItem(const DRAWITEMSTRUCT& item) {
  const auto found = byHwnd_.find(item.hwndItem);
  if (found == byHwnd_.end()) return false;
  const Component& c = model_.all()[found->second];
  if (c.kind == ComponentKind::Picture) return drawPictureButton(item);
  HDC dc = item.hDC;
  const RECT box = item.rcItem;
  const bool selected = item.itemState & ODS_SELECTED;
  if (c.kind == ComponentKind::PictureList) {
    // The item cleared with the list's brush, then its cell of the sample strip at its own
    // size, 32 pixels in and 2 down; no text and no highlight.
    FillRect(dc, &box, GetSysColorBrush(COLOR_WINDOW));
    if (item.itemID == static_cast<UINT>(-1)) return true;
    HBITMAP samples = resourceBitmap(pictureName(c.state.picture));
    const int count = static_cast<int>(c.state.items.size());
    if (!samples || count <= 0) return true;
    BITMAP info{};
    GetObjectW(samples, sizeof info, &info);
    const bool across = info.bmWidth >= info.bmHeight;
    const int cell = (across ? info.bmWidth : info.bmHeight) / count;
    const int depth = across ? info.bmHeight : info.bmWidth;
    const int index = static_cast<int>(item.itemID);
    MemoryDc memory(dc);
    SelectedObject chosen(memory, samples);
    const int w = across ? cell : depth, h = across ? depth : cell;
    setScalingMode(dc, dpi_);
    StretchBlt(dc, box.left + scaleToDpi(32, dpi_), box.top + scaleToDpi(2, dpi_), scaleToDpi(w, dpi_),
               scaleToDpi(h, dpi_), memory, across ? index * cell : 0, across ? 0 : index * cell, w, h, SRCCOPY);
    if (item.itemState & ODS_FOCUS) DrawFocusRect(dc, &box);
    return true;
  }
  if (c.kind == ComponentKind::ComboBox) {
    // An item's text, or the prompt, greyed, in the field while nothing is chosen.
    const bool prompt = item.itemID == static_cast<UINT>(-1);
    const std::optional<std::wstring> text = prompt ? std::optional<std::wstring>(c.state.text)
                                                    : comboItemText(item.hwndItem, static_cast<LRESULT>(item.itemID));
    FillRect(dc, &box, GetSysColorBrush(selected && !prompt ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(prompt ? COLOR_GRAYTEXT : selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    RECT area{box.left + scaleToDpi(2, dpi_), box.top, box.right, box.bottom};
    if (text) DrawTextW(dc, text->c_str(), -1, &area, DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_NOPREFIX);
    if (item.itemState & ODS_FOCUS) DrawFocusRect(dc, &box);
    return true;
  }
  if (c.kind != ComponentKind::ColourBox) return false;
  FillRect(dc, &box, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
  if (item.itemID == static_cast<UINT>(-1)) return true;
  const int inset = scaleToDpi(2, dpi_);
  RECT swatch{box.left + inset, box.top + inset, box.right - inset, box.bottom - inset};
  SetBkMode(dc, TRANSPARENT);
  // A disabled box (the seconds colours while the seconds are off) shows its name in grey.
  const bool disabled = item.itemState & ODS_DISABLED;
  SetTextColor(dc, GetSysColor(disabled ? COLOR_GRAYTEXT : selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
  const auto data = static_cast<LPARAM>(item.itemData);
  if (data == kCustomColourItem) {
    RECT text = swatch;
    text.left += scaleToDpi(4, dpi_);
    DrawTextW(dc, L"Custom...", -1, &text, DT_SINGLELINE | DT_VCENTER | DT_LEFT);
    return true;
  }
  swatch.right = swatch.left + scaleToDpi(28, dpi_);
  GdiObject<HBRUSH> brush(CreateSolidBrush(static_cast<COLORREF>(data) & 0x00FFFFFF));
  FillRect(dc, &swatch, brush);
  FrameRect(dc, &swatch, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  const wchar_t* name = L"Custom";
  for (const NamedColour& colour : kStandardColours)
    if (colour.colour == static_cast<COLORREF>(data)) name = colour.name;
  RECT text{swatch.right + scaleToDpi(6, dpi_), box.top, box.right, box.bottom};
  DrawTextW(dc, name, -1, &text, DT_SINGLELINE | DT_VCENTER | DT_LEFT);
  return true;
}

}  // namespace tikora
