// The control panel's controls; see control_panel_controls.h.
#include "ui/win32/control_panel_controls.h"

#include "core/date_format.h"
#include "ui/win32/control_panel_owner_draw.h"

#include <commctrl.h>
#include <commdlg.h>

#include <algorithm>
#include <array>

namespace tikora {
namespace {

constexpr int kRowGap = 4, kColumnGap = 8, kInset = 10, kGroupTitle = 18;
constexpr int kComboHeight = 200;  // with the drop-down part

constexpr std::array<const wchar_t*, 4> kFontStyles{L"Normal", L"Italic", L"Bold", L"Italic Bold"};

const SettingSpec* settingOfComponent(std::wstring_view component) {
  for (const SettingSpec& described : settingsSchema())
    if (described.component == component) return &described;
  return nullptr;
}

std::vector<std::wstring> listItems(std::wstring_view component) {
  std::vector<std::wstring> items;
  auto numbers = [&](int from, int to, int step, bool padded) {
    for (int n = from; n <= to; n += step) items.push_back(padded ? twoDigits(n) : std::to_wstring(n));
  };
  if (component == L"ComboBox12") {
    for (int n = 1; n <= 40; ++n) items.push_back(L"Style " + std::to_wstring(n));
  } else if (component == L"ComboBox1") {
    items.resize(19);
  } else if (component == L"ComboBox2") {
    items.resize(18);
  } else if (component == L"ComboBox3") {
    numbers(0, 23, 1, true);
  } else if (component == L"ComboBox4") {
    numbers(0, 59, 1, true);
  } else if (component == L"ComboBox6") {
    numbers(8, 12, 1, false);
  } else if (component == L"ComboBox11") {
    numbers(10, 18, 2, false);
  } else if (component == L"ComboBox7" || component == L"ComboBox10") {
    items.assign(kFontStyles.begin(), kFontStyles.end());
  }
  return items;
}

bool isEditableList(std::wstring_view component) {
  return component == L"ComboBox3" || component == L"ComboBox4";
}

bool isPictureList(std::wstring_view component) {
  return component == L"ComboBox1" || component == L"ComboBox2";
}


// A page's sheet: a plain window that hands its controls' notifications up to the panel.
constexpr wchar_t kSheetClass[] = L"TTabSheet";

LRESULT CALLBACK sheetProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
      return SendMessageW(GetParent(hwnd), message, wParam, lParam);
  }
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

bool registerSheetClass(HINSTANCE instance) {
  WNDCLASSEXW existing{};
  existing.cbSize = sizeof existing;
  if (GetClassInfoExW(instance, kSheetClass, &existing)) return true;
  WNDCLASSEXW sheet{};
  sheet.cbSize = sizeof sheet;
  sheet.lpfnWndProc = &sheetProcedure;
  sheet.hInstance = instance;
  sheet.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  sheet.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  sheet.lpszClassName = kSheetClass;
  return RegisterClassExW(&sheet) != 0;
}

}  // namespace

ControlPanelControls::ControlPanelControls(Settings& settings, PanelControlsServices services)
    : settings_(settings), s_(std::move(services)) {
  frameSamples_ = static_cast<HBITMAP>(LoadImageW(s_.instance, L"frame_samples", IMAGE_BITMAP, 0, 0, 0));
  handSamples_ = static_cast<HBITMAP>(LoadImageW(s_.instance, L"hand_samples", IMAGE_BITMAP, 0, 0, 0));
}

ControlPanelControls::~ControlPanelControls() {
  for (HBITMAP picture : pictures_) DeleteObject(picture);
  if (frameSamples_) DeleteObject(frameSamples_);
  if (handSamples_) DeleteObject(handSamples_);
}

int ControlPanelControls::textWidth(std::wstring_view text) const {
  HDC dc = GetDC(s_.parent);
  HGDIOBJ old = SelectObject(dc, s_.font);
  SIZE size{};
  GetTextExtentPoint32W(dc, text.data(), static_cast<int>(text.size()), &size);
  SelectObject(dc, old);
  ReleaseDC(s_.parent, dc);
  return size.cx;
}

HWND ControlPanelControls::makeControl(const wchar_t* cls, const wchar_t* text, DWORD style, int x, int y,
                                       int w, int h, std::size_t page, std::wstring_view component,
                                       const SettingSpec* setting, DWORD exStyle) {
  const UINT id = nextId_++;
  HWND hwnd = CreateWindowExW(exStyle, cls, text, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | style, x - origin_.x,
                              y - origin_.y, w, h, sheets_[page],
                              reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)), s_.instance, nullptr);
  if (!hwnd) return nullptr;
  SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(s_.font), FALSE);
  controls_.push_back(Bound{hwnd, nullptr, setting, component, page});
  return hwnd;
}

void ControlPanelControls::create(std::span<const PanelPage> pages, const RECT& area) {
  registerSheetClass(s_.instance);
  origin_ = POINT{area.left, area.top};
  for (std::size_t page = 0; page < pages.size(); ++page) {
    sheets_.push_back(CreateWindowExW(WS_EX_CONTROLPARENT, kSheetClass, std::wstring(pages[page].caption).c_str(),
                                      WS_CHILD | WS_CLIPSIBLINGS, area.left, area.top, area.right - area.left,
                                      area.bottom - area.top, s_.parent, nullptr, s_.instance, nullptr));
    for (const PanelGroup& group : pages[page].groups) createGroup(group, page);
  }
  for (const Bound& bound : controls_) {
    if (bound.setting) fillList(bound);
  }
  // Group boxes lie under the controls they hold, so that those are never clipped by them.
  for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
    const Bound& bound = *it;
    wchar_t cls[16]{};
    GetClassNameW(bound.hwnd, cls, 16);
    if (lstrcmpiW(cls, L"Button") == 0 && (GetWindowLongW(bound.hwnd, GWL_STYLE) & BS_TYPEMASK) == BS_GROUPBOX)
      SetWindowPos(bound.hwnd, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }
  // Markers and labels lie over their pictures.
  for (const Bound& bound : controls_)
    if (overs_.count(bound.hwnd)) SetWindowPos(bound.hwnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  refreshAll();
  showPage(0);
}

void ControlPanelControls::createGroup(const PanelGroup& group, std::size_t page) {
  const std::wstring caption(group.caption);
  makeControl(L"BUTTON", caption.c_str(), BS_GROUPBOX, group.left, group.top, group.width, group.height, page,
              group.caption, nullptr);
  const int left = group.left + kInset, right = group.left + group.width - kInset;
  int x = left, y = group.top + kGroupTitle, rowHeight = 0;
  bool inRadioRun = false;
  POINT last{};  // where the control before stands
  const PanelControl* current = nullptr;
  auto place = [&](int w, int h) {
    POINT at{};
    if (current->over) {
      at = POINT{last.x + current->left, last.y + current->top};
    } else if (current->left >= 0 && current->top >= 0) {
      at = POINT{group.left + current->left, group.top + current->top};
    } else {
      if (x > left && x + w > right) x = left, y += rowHeight + kRowGap, rowHeight = 0;
      // A control may start at a column of its own within the row.
      if (current->left >= 0) x = std::max(x, group.left + current->left);
      at = POINT{x, y};
      x += w + kColumnGap;
      rowHeight = std::max(rowHeight, h);
    }
    if (!current->over) last = at;
    return at;
  };
  for (const PanelControl& item : group.controls) {
    current = &item;
    if (item.kind == PanelControlKind::LineBreak) {
      if (x > left) x = left, y += rowHeight + kRowGap, rowHeight = 0;
      continue;
    }
    const std::wstring component(item.component);
    const SettingSpec* described = item.kind == PanelControlKind::FromSettings ? settingOfComponent(item.component)
                                                                          : nullptr;
    std::wstring text(item.caption.empty() && described ? described->caption : item.caption);
    const bool radio = described && described->control == SettingControl::RadioButton;
    const DWORD group_ = (radio && inRadioRun) ? 0 : WS_GROUP | WS_TABSTOP;
    inRadioRun = radio;
    const int available = right - left;
    if (!described) {
      switch (item.kind) {
        case PanelControlKind::Label: {
          const int w = item.width ? item.width : textWidth(text) + 4;
          const POINT at = place(w, 16);
          const int shift = item.over || item.top >= 0 ? 0 : 3;
          makeControl(L"STATIC", text.c_str(), SS_LEFT | WS_GROUP | SS_NOPREFIX, at.x, at.y + shift, w, 14, page,
                      item.component, nullptr);
          break;
        }
        case PanelControlKind::CheckBox: {
          const int w = item.width ? item.width : textWidth(text) + 24;
          const POINT at = place(w, 17);
          makeControl(L"BUTTON", text.c_str(), BS_AUTOCHECKBOX | WS_TABSTOP | WS_GROUP, at.x, at.y, w, 17, page,
                      item.component, nullptr);
          break;
        }
        case PanelControlKind::Picture: {
          const int w = item.width, h = item.height;
          const POINT at = place(w, h);
          if (text.empty()) {
            // A dark display panel that a label shows its time on.
            makeControl(L"STATIC", L"", SS_BLACKRECT, at.x, at.y, w, h, page, item.component, nullptr,
                        WS_EX_STATICEDGE);
            break;
          }
          HWND picture = makeControl(L"STATIC", L"", SS_BITMAP, at.x, at.y, w, h, page, item.component, nullptr);
          auto bitmap = static_cast<HBITMAP>(LoadImageW(s_.instance, text.c_str(), IMAGE_BITMAP, 0, 0, 0));
          if (bitmap) {
            pictures_.push_back(bitmap);
            SendMessageW(picture, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap));
          }
          break;
        }
        case PanelControlKind::Button: {
          const int w = item.width ? item.width : textWidth(text) + 24;
          const int h = item.height ? item.height : 24;
          const POINT at = place(w, h);
          makeControl(L"BUTTON", text.c_str(), BS_PUSHBUTTON | WS_TABSTOP | WS_GROUP, at.x, at.y, w, h, page,
                      item.component, nullptr);
          break;
        }
        case PanelControlKind::Edit: {
          const int w = item.width ? item.width : 120;
          const POINT at = place(w, 21);
          HWND edit = makeControl(L"EDIT", L"", ES_AUTOHSCROLL | WS_TABSTOP | WS_GROUP, at.x, at.y, w, 21, page,
                                  item.component, nullptr, WS_EX_CLIENTEDGE);
          SendMessageW(edit, EM_LIMITTEXT, item.component == L"Edit2" ? 100 : 50, 0);
          break;
        }
        case PanelControlKind::ListView: {
          const int w = item.width ? item.width : available, h = item.height ? item.height : 120;
          const POINT at = place(w, h);
          HWND list = makeControl(WC_LISTVIEWW, L"", LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | WS_TABSTOP |
                                                        WS_GROUP,
                                  at.x, at.y, w, h, page, item.component, nullptr, WS_EX_CLIENTEDGE);
          ListView_SetExtendedListViewStyle(list, LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
          const std::array<std::pair<const wchar_t*, int>, 3> columns{
              {{L"Num", 40}, {L"Your Own Channel Name", 150}, {L"RSS Channel Address", w - 40 - 150 - 6}}};
          for (int i = 0; i < 3; ++i) {
            LVCOLUMNW column{};
            column.mask = LVCF_TEXT | LVCF_WIDTH;
            column.pszText = const_cast<wchar_t*>(columns[i].first);
            column.cx = columns[i].second;
            ListView_InsertColumn(list, i, &column);
          }
          break;
        }
        default: break;
      }
      if (item.over && !controls_.empty()) overs_.insert(controls_.back().hwnd);
      continue;
    }
    switch (described->control) {
      case SettingControl::CheckBox:
      case SettingControl::RadioButton: {
        int w = item.width ? item.width : std::max(textWidth(text) + 24, 34);
        int h = 17;
        DWORD style = radio ? BS_RADIOBUTTON : BS_CHECKBOX;
        if (w > available) w = available, h = 28, style |= BS_MULTILINE;
        const POINT at = place(w, h);
        makeControl(L"BUTTON", text.c_str(), style | group_, at.x, at.y, w, h, page, item.component, described);
        break;
      }
      case SettingControl::ColorBox: {
        const std::wstring label(!item.caption.empty()        ? item.caption
                                 : described->caption.empty() ? described->description
                                                              : described->caption);
        const int labelWidth = textWidth(label) + 4;
        POINT at = place(labelWidth, 16);
        makeControl(L"STATIC", label.c_str(), SS_LEFT | WS_GROUP, at.x, at.y + 4, labelWidth, 14, page, L"",
                    nullptr);
        const int w = item.width ? item.width : 100;
        at = place(w, 22);
        makeControl(L"COMBOBOX", L"", CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | WS_VSCROLL | group_, at.x, at.y, w,
                    kComboHeight, page, item.component, described);
        break;
      }
      case SettingControl::ListChoice:
      case SettingControl::FontName: {
        const bool pictures = isPictureList(item.component);
        const int w = item.width ? item.width : described->control == SettingControl::FontName ? 150 : pictures ? 120 : 100;
        const POINT at = place(w, 22);
        const DWORD owner = pictures ? CBS_OWNERDRAWFIXED : CBS_HASSTRINGS;
        // The exact power-off time's hour and minute may also be typed.
        const DWORD kind = isEditableList(item.component) ? CBS_DROPDOWN : CBS_DROPDOWNLIST;
        if (item.component == L"ComboBox2") handListId_ = nextId_;
        makeControl(L"COMBOBOX", L"", kind | WS_VSCROLL | owner | group_, at.x, at.y, w, kComboHeight,
                    page, item.component, described);
        break;
      }
      case SettingControl::ScrollBar: {
        const int w = item.width ? item.width : available;
        const POINT at = place(w, 17);
        HWND bar = makeControl(L"SCROLLBAR", L"", SBS_HORZ | group_, at.x, at.y, w, 17, page, item.component, described);
        int minimum = described->range.minimum, maximum = described->range.maximum;
        if (described->range.rule != OutOfRange::Clamp) {
          const bool across = described->name == L"po_po";
          minimum = 0;
          maximum = std::max(0, GetSystemMetrics(across ? SM_CXSCREEN : SM_CYSCREEN) -
                                    (described->name == L"por_po" ? 55 : 240));
        }
        SetScrollRange(bar, SB_CTL, minimum, maximum, FALSE);
        break;
      }
      case SettingControl::DatePicker: {
        const int w = item.width ? item.width : 100;
        const POINT at = place(w, 22);
        const DWORD format = described->type == SettingType::Time ? DTS_TIMEFORMAT | DTS_UPDOWN : DTS_SHORTDATEFORMAT;
        makeControl(DATETIMEPICK_CLASSW, L"", format | group_, at.x, at.y, w, 22, page, item.component, described);
        break;
      }
      case SettingControl::Edit: {
        const int w = item.width ? item.width : 56;
        const POINT at = place(w, 21);
        HWND edit = makeControl(L"EDIT", L"", ES_NUMBER | ES_AUTOHSCROLL | group_, at.x, at.y, w, 21, page,
                                item.component, described, WS_EX_CLIENTEDGE);
        // The up-down that goes with the minutes field.
        if (const SettingSpec* upDown = settingOfComponent(L"UpDown1"); upDown && edit) {
          HWND arrows = makeControl(UPDOWN_CLASSW, L"", UDS_ALIGNRIGHT | UDS_ARROWKEYS | UDS_NOTHOUSANDS | UDS_SETBUDDYINT, 0, 0, 0,
                                    0, page, upDown->component, upDown);
          SendMessageW(arrows, UDM_SETBUDDY, reinterpret_cast<WPARAM>(edit), 0);
          SendMessageW(arrows, UDM_SETRANGE32, upDown->range.minimum, upDown->range.maximum);
          controls_[controls_.size() - 2].buddy = arrows;
        }
        break;
      }
      case SettingControl::UpDown: break;  // made with its edit
    }
  }
}

void ControlPanelControls::fillList(const Bound& bound) {
  switch (bound.setting->control) {
    case SettingControl::ColorBox:
      for (const NamedColour& colour : kStandardColours)
        SendMessageW(bound.hwnd, CB_ADDSTRING, 0, static_cast<LPARAM>(colour.colour));
      SendMessageW(bound.hwnd, CB_ADDSTRING, 0, kCustomColourItem);
      break;
    case SettingControl::FontName:
      for (const std::wstring& name : s_.fontNames)
        SendMessageW(bound.hwnd, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
      break;
    case SettingControl::ListChoice:
      for (const std::wstring& text : listItems(bound.component))
        SendMessageW(bound.hwnd, CB_ADDSTRING, 0,
                     isPictureList(bound.component) ? 0 : reinterpret_cast<LPARAM>(text.c_str()));
      break;
    default: break;
  }
}

}  // namespace tikora
