// What the generic view's files share; see component_view_parts.h.
#include "ui/win32/component_view_parts.h"

#include "core/dpi.h"

namespace tikora {
namespace {

constexpr wchar_t kSheetClass[] = L"TTabSheet";

void makeSheetClass(ControlClass& made, const Component& c) {
  made.className = kSheetClass;
  made.exStyle = WS_EX_CONTROLPARENT;
  // A scrolled area's background never paints over the labels moving on it.
  if (c.kind == ComponentKind::ScrollBox) made.style = WS_CLIPCHILDREN;
  made.text = c.kind == ComponentKind::Page ? c.state.text : std::wstring();
}

}  // namespace

ControlGroup groupOf(ComponentKind kind) {
  switch (kind) {
    case ComponentKind::GroupBox:
    case ComponentKind::Label:
    case ComponentKind::Link:
    case ComponentKind::Button:
    case ComponentKind::CheckBox:
    case ComponentKind::RadioButton:
    case ComponentKind::Edit:
    case ComponentKind::Memo:
    case ComponentKind::Display:
    case ComponentKind::Panel: return ControlGroup::Buttons;
    case ComponentKind::ComboBox:
    case ComponentKind::EditableComboBox:
    case ComponentKind::FontList:
    case ComponentKind::ColourBox:
    case ComponentKind::PictureList: return ControlGroup::Lists;
    case ComponentKind::ListView: return ControlGroup::ListView;
    case ComponentKind::Tabs:
    case ComponentKind::ScrollBar:
    case ComponentKind::UpDown:
    case ComponentKind::DatePicker:
    case ComponentKind::TimePicker: return ControlGroup::Pickers;
    case ComponentKind::Page:
    case ComponentKind::ScrollBox: return ControlGroup::Sheets;
    case ComponentKind::Picture: return ControlGroup::Pictures;
    case ComponentKind::WebBrowser: return ControlGroup::Browser;
    case ComponentKind::Window:
    case ComponentKind::Layer:
    case ComponentKind::MenuItem: break;
  }
  return ControlGroup::None;
}

ControlClass controlClassOf(const Component& c, const ComponentTable& table, std::size_t index) {
  ControlClass made;
  made.text = c.state.text;
  switch (groupOf(c.kind)) {
    case ControlGroup::Buttons: makeButtonClass(made, c, table, index); break;
    case ControlGroup::Lists: makeListClass(made, c); break;
    case ControlGroup::ListView: makeListViewClass(made); break;
    case ControlGroup::Pickers: makePickerClass(made, c); break;
    case ControlGroup::Sheets: makeSheetClass(made, c); break;
    case ControlGroup::Pictures: makePictureButtonClass(made); break;
    default: break;
  }
  return made;
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

std::wstring windowText(HWND hwnd) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(hwnd)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(hwnd, text.data(), static_cast<int>(text.size()))));
  return text;
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

std::wstring pictureName(const std::wstring& picture) { return picture.substr(0, picture.find(L'#')); }

void setScalingMode(HDC dc, int dpi) {
  if (dpi % kStandardDpi == 0) {
    SetStretchBltMode(dc, COLORONCOLOR);
  } else {
    SetStretchBltMode(dc, HALFTONE);
    SetBrushOrgEx(dc, 0, 0, nullptr);
  }
}

HCURSOR pointerCursor(PointerShape shape) {
  switch (shape) {
    case PointerShape::Hand: return LoadCursorW(nullptr, IDC_HAND);
    case PointerShape::Drag: return LoadCursorW(nullptr, IDC_SIZEALL);
    default: return LoadCursorW(nullptr, IDC_ARROW);
  }
}

}  // namespace tikora
