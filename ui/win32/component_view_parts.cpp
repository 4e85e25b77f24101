// The generic view's table of control classes; see component_view_parts.h.
#include "ui/win32/component_view_parts.h"

#include <commctrl.h>

namespace tikora {
namespace {

constexpr wchar_t kSheetClass[] = L"TTabSheet";

bool startsRadioGroup(const ComponentTable& table, std::size_t index) {
  if (index == 0) return true;
  const Component& previous = table.all()[index - 1];
  return previous.kind != ComponentKind::RadioButton || previous.parent != table.all()[index].parent;
}

}  // namespace

ControlClass controlClassOf(const Component& c, const ComponentTable& table, std::size_t index) {
  ControlClass made;
  made.text = c.state.text;
  constexpr DWORD kStop = WS_TABSTOP | WS_GROUP;
  const DWORD align = (c.options & kCentred) ? SS_CENTER : (c.options & kAlignRight) ? SS_RIGHT : SS_LEFT;
  switch (c.kind) {
    case ComponentKind::GroupBox:
      made.className = L"BUTTON";
      made.style = BS_GROUPBOX | WS_GROUP;
      break;
    case ComponentKind::Label:
    case ComponentKind::Link: made.style = align | SS_NOPREFIX | SS_NOTIFY | WS_GROUP; break;
    case ComponentKind::Panel: made.style = SS_CENTER | SS_CENTERIMAGE | SS_NOPREFIX | SS_NOTIFY | WS_GROUP; break;
    case ComponentKind::Display:
      made.style = SS_BLACKRECT | WS_GROUP;
      made.exStyle = WS_EX_STATICEDGE;
      made.text.clear();
      break;
    case ComponentKind::Button:
      made.className = L"BUTTON";
      made.style = (c.state.isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON) | kStop;
      break;
    case ComponentKind::CheckBox:
      made.className = L"BUTTON";
      made.style = BS_CHECKBOX | kStop | ((c.options & kMultiLine) ? BS_MULTILINE : 0);
      break;
    case ComponentKind::RadioButton:
      made.className = L"BUTTON";
      made.style =
          BS_RADIOBUTTON | ((c.options & kMultiLine) ? BS_MULTILINE : 0) | (startsRadioGroup(table, index) ? kStop : 0);
      break;
    case ComponentKind::Edit:
      made.className = L"EDIT";
      made.style = ES_AUTOHSCROLL | kStop | ((c.options & kNumbersOnly) ? ES_NUMBER : 0);
      made.exStyle = WS_EX_CLIENTEDGE;
      break;
    case ComponentKind::Memo:
      made.className = L"EDIT";
      made.style = ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | WS_VSCROLL | kStop;
      made.exStyle = WS_EX_CLIENTEDGE;
      break;
    case ComponentKind::ComboBox:
      made.className = L"COMBOBOX";
      // A list with a prompt draws its field itself: the system's shows nothing without a choice.
      made.style =
          CBS_DROPDOWNLIST | CBS_HASSTRINGS | WS_VSCROLL | kStop | ((c.options & kPrompt) ? CBS_OWNERDRAWFIXED : 0);
      made.dropsDown = true;
      made.text.clear();
      break;
    case ComponentKind::EditableComboBox:
    case ComponentKind::FontList:
      made.className = L"COMBOBOX";
      made.style = CBS_DROPDOWN | CBS_AUTOHSCROLL | CBS_HASSTRINGS | WS_VSCROLL | kStop;
      made.dropsDown = true;
      made.text.clear();
      break;
    case ComponentKind::ColourBox:
    case ComponentKind::PictureList:
      made.className = L"COMBOBOX";
      made.style = CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | WS_VSCROLL | kStop;
      made.dropsDown = true;
      made.text.clear();
      break;
    case ComponentKind::ScrollBar:
      made.className = L"SCROLLBAR";
      made.style = SBS_HORZ | kStop;
      made.text.clear();
      break;
    case ComponentKind::UpDown:
      made.className = UPDOWN_CLASSW;
      made.style = UDS_ARROWKEYS | UDS_NOTHOUSANDS;
      made.text.clear();
      break;
    case ComponentKind::DatePicker:
      made.className = DATETIMEPICK_CLASSW;
      made.style = DTS_SHORTDATEFORMAT | kStop;
      made.text.clear();
      break;
    case ComponentKind::TimePicker:
      made.className = DATETIMEPICK_CLASSW;
      made.style = DTS_TIMEFORMAT | DTS_UPDOWN | kStop;
      made.text.clear();
      break;
    case ComponentKind::ListView:
      made.className = WC_LISTVIEWW;
      // The view owns the pictures' lists (one per resource and resolution), not the list.
      made.style = LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_SHAREIMAGELISTS | kStop;
      made.exStyle = WS_EX_CLIENTEDGE;
      made.text.clear();
      break;
    case ComponentKind::Tabs:
      made.className = WC_TABCONTROLW;
      made.style = kStop;
      made.text.clear();
      break;
    case ComponentKind::Page:
    case ComponentKind::ScrollBox:
      made.className = kSheetClass;
      made.exStyle = WS_EX_CONTROLPARENT;
      // A scrolled area's background never paints over the labels moving on it.
      if (c.kind == ComponentKind::ScrollBox) made.style = WS_CLIPCHILDREN;
      made.text = c.kind == ComponentKind::Page ? c.state.text : std::wstring();
      break;
    default: break;
  }
  return made;
}

void setUpControl(HWND hwnd, const Component& c, const ComponentTable& table) {
  switch (c.kind) {
    case ComponentKind::ListView:
      ListView_SetExtendedListViewStyle(
          hwnd, LVS_EX_DOUBLEBUFFER | ((c.options & kGridLines) ? LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT : 0));
      break;
    case ComponentKind::Tabs:
      for (std::size_t i = 0; i < c.state.items.size(); ++i) {
        std::wstring caption = c.state.items[i];
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = caption.data();
        SendMessageW(hwnd, TCM_INSERTITEMW, i, reinterpret_cast<LPARAM>(&item));
      }
      break;
    default: break;
  }
  (void)table;
}

void registerSheetClass(HINSTANCE instance, WNDPROC procedure) {
  WNDCLASSEXW existing{};
  existing.cbSize = sizeof existing;
  if (GetClassInfoExW(instance, kSheetClass, &existing)) return;
  WNDCLASSEXW sheet{};
  sheet.cbSize = sizeof sheet;
  sheet.lpfnWndProc = procedure;
  sheet.hInstance = instance;
  sheet.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  sheet.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  sheet.lpszClassName = kSheetClass;
  RegisterClassExW(&sheet);
}

void fillColourBox(HWND box) {
  for (const NamedColour& colour : kStandardColours)
    SendMessageW(box, CB_ADDSTRING, 0, static_cast<LPARAM>(colour.colour));
  SendMessageW(box, CB_ADDSTRING, 0, kCustomColourItem);
}

void selectColour(HWND box, Colour colour) {
  const auto data = static_cast<LPARAM>(colour);
  LRESULT index = SendMessageW(box, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), data);
  if (index == CB_ERR) {
    // A colour of its own goes in just before the custom colour entry.
    const LRESULT count = SendMessageW(box, CB_GETCOUNT, 0, 0);
    index = SendMessageW(box, CB_INSERTSTRING, static_cast<WPARAM>(count - 1), data);
  }
  SendMessageW(box, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

std::optional<std::wstring> comboItemText(HWND combo, LRESULT index) {
  if (index < 0) return std::nullopt;
  const LRESULT length = SendMessageW(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
  if (length < 0) return std::nullopt;
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  SendMessageW(combo, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<std::size_t>(length));
  return text;
}

HCURSOR pointerCursor(PointerShape shape) {
  switch (shape) {
    case PointerShape::Hand: return LoadCursorW(nullptr, IDC_HAND);
    case PointerShape::Drag: return LoadCursorW(nullptr, IDC_SIZEALL);
    default: return LoadCursorW(nullptr, IDC_ARROW);
  }
}

}  // namespace tikora
