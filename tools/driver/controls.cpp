// Describing and finding child controls.
#include "controls.h"

#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <map>

#include "windows_list.h"

namespace tikora::driver {

namespace {

constexpr UINT kTimeoutMs = 2000;
constexpr int kMaxItems = 2000;      // bounds the time spent on one huge list
constexpr size_t kItemChars = 1024;  // longest item text read from a tab or list view

LRESULT sendTimed(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  DWORD_PTR result = 0;
  if (!SendMessageTimeoutW(hwnd, message, wParam, lParam, SMTO_ABORTIFHUNG, kTimeoutMs, &result)) {
    fail("control " + std::to_string(hwndNumber(hwnd)) + " did not answer message " + std::to_string(message));
  }
  return static_cast<LRESULT>(result);
}

bool isClass(const std::wstring& actual, const wchar_t* expected) {
  return CompareStringOrdinal(actual.c_str(), -1, expected, -1, TRUE) == CSTR_EQUAL;
}

// Text of a list item through a message the system copies across processes (LB_GETTEXT,
// CB_GETLBTEXT); `lengthMessage` gives the length first so the buffer always fits.
std::wstring itemText(HWND control, UINT lengthMessage, UINT textMessage, int index) {
  LRESULT length = sendTimed(control, lengthMessage, static_cast<WPARAM>(index), 0);
  if (length < 0) return {};
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  LRESULT copied = sendTimed(control, textMessage, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
  text.resize(copied > 0 ? static_cast<size_t>(copied) : 0);
  return text;
}

RECT screenRect(HWND hwnd) {
  RECT rect{};
  GetWindowRect(hwnd, &rect);
  return rect;
}

bool contains(const RECT& outer, const RECT& inner) {
  return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
         inner.bottom <= outer.bottom;
}

BOOL CALLBACK collectChild(HWND hwnd, LPARAM param) {
  reinterpret_cast<std::vector<HWND>*>(param)->push_back(hwnd);
  return TRUE;
}

std::vector<HWND> directChildren(HWND parent) {
  std::vector<HWND> out;
  for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    out.push_back(child);
  }
  return out;
}

bool isGroupBox(HWND hwnd) { return isClass(windowClass(hwnd), L"Button") && buttonKind(hwnd) == ButtonKind::GroupBox; }

std::string describeBriefly(HWND control) {
  return "{hwnd " + std::to_string(hwndNumber(control)) + ", class \"" + narrow(windowClass(control)) + "\", text \"" +
         narrow(windowText(control)) + "\", id " + std::to_string(GetDlgCtrlID(control)) + ", group \"" +
         narrow(groupOf(control)) + "\"}";
}

}  // namespace

ButtonKind buttonKind(HWND control) {
  switch (GetWindowLongPtrW(control, GWL_STYLE) & BS_TYPEMASK) {
    case BS_PUSHBUTTON:
    case BS_DEFPUSHBUTTON:
    case BS_OWNERDRAW:
    case BS_SPLITBUTTON:
    case BS_DEFSPLITBUTTON:
    case BS_COMMANDLINK:
    case BS_DEFCOMMANDLINK: return ButtonKind::Push;
    case BS_CHECKBOX:
    case BS_AUTOCHECKBOX:
    case BS_3STATE:
    case BS_AUTO3STATE: return ButtonKind::CheckBox;
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON: return ButtonKind::Radio;
    case BS_GROUPBOX: return ButtonKind::GroupBox;
    default: return ButtonKind::Other;
  }
}

std::vector<HWND> childControls(HWND parent) {
  std::vector<HWND> out;
  EnumChildWindows(parent, collectChild, reinterpret_cast<LPARAM>(&out));
  return out;
}

namespace {

// The group boxes among a window's children, looked up once per command: finding the group of
// every control of a window full of them would otherwise ask for each sibling again and again.
struct GroupBox {
  HWND hwnd;
  RECT rect;
};
std::map<HWND, std::vector<GroupBox>> groupBoxesByParent;

const std::vector<GroupBox>& groupBoxesOf(HWND parent) {
  auto found = groupBoxesByParent.find(parent);
  if (found != groupBoxesByParent.end()) return found->second;
  std::vector<GroupBox> boxes;
  for (HWND child : directChildren(parent))
    if (isGroupBox(child)) boxes.push_back({child, screenRect(child)});
  return groupBoxesByParent.emplace(parent, std::move(boxes)).first->second;
}

}  // namespace

void forgetGroupBoxes() { groupBoxesByParent.clear(); }

std::wstring groupOf(HWND control) {
  HWND node = control;
  HWND top = GetAncestor(control, GA_ROOT);
  while (node && node != top) {
    HWND parent = GetParent(node);
    if (!parent) break;
    if (parent != top && isGroupBox(parent)) return windowText(parent);
    RECT own = screenRect(node);
    HWND best = nullptr;
    LONG bestArea = 0;
    for (const GroupBox& box : groupBoxesOf(parent)) {
      if (box.hwnd == node || !contains(box.rect, own)) continue;
      LONG area = (box.rect.right - box.rect.left) * (box.rect.bottom - box.rect.top);
      if (!best || area < bestArea) {
        best = box.hwnd;
        bestArea = area;
      }
    }
    if (best) return windowText(best);
    node = parent;
  }
  return {};
}

ControlReader::ControlReader(HWND top) : top_(top) {}

RemoteProcess& ControlReader::process() {
  if (!process_) process_ = std::make_unique<RemoteProcess>(windowProcess(top_));
  return *process_;
}

Json ControlReader::describe(HWND control) {
  RECT rect = screenRect(control);
  POINT topLeft{rect.left, rect.top}, bottomRight{rect.right, rect.bottom};
  ScreenToClient(top_, &topLeft);
  ScreenToClient(top_, &bottomRight);
  HWND parent = GetParent(control);
  std::wstring className = windowClass(control);
  LONG_PTR style = GetWindowLongPtrW(control, GWL_STYLE);
  Json out = Json::object()
                 .set("hwnd", hwndNumber(control))
                 .set("parent", hwndNumber(parent))
                 .set("class", className)
                 .set("text", windowText(control))
                 .set("id", GetDlgCtrlID(control))
                 .set("style", static_cast<unsigned long long>(static_cast<uint32_t>(style)))
                 .set("rect", rectJson(rect))
                 .set("client_rect", rectJson(RECT{topLeft.x, topLeft.y, bottomRight.x, bottomRight.y}))
                 .set("visible", IsWindowVisible(control) != FALSE)
                 .set("enabled", IsWindowEnabled(control) != FALSE)
                 .set("group", groupOf(control));
  if (isClass(className, L"Button"))
    addButtonState(control, out);
  else if (isClass(className, L"ComboBox"))
    addComboState(control, out);
  else if (isClass(className, L"ListBox") || isClass(className, L"ComboLBox"))
    addListBoxState(control, out);
  else if (isClass(className, L"ScrollBar"))
    addScrollState(control, out);
  else if (isClass(className, WC_TABCONTROLW))
    addTabState(control, out);
  else if (isClass(className, WC_LISTVIEWW))
    addListViewState(control, out);
  else if (isClass(className, DATETIMEPICK_CLASSW))
    addDatePickerState(control, out);
  else if (isClass(className, UPDOWN_CLASSW))
    addUpDownState(control, out);
  else if (isClass(className, TRACKBAR_CLASSW)) {
    out.set("position", static_cast<long long>(sendTimed(control, TBM_GETPOS, 0, 0)));
    out.set("min", static_cast<long long>(sendTimed(control, TBM_GETRANGEMIN, 0, 0)));
    out.set("max", static_cast<long long>(sendTimed(control, TBM_GETRANGEMAX, 0, 0)));
  } else if (isClass(className, L"Static")) {
    LONG_PTR type = style & SS_TYPEMASK;
    out.set("image", type == SS_ICON || type == SS_BITMAP || type == SS_ENHMETAFILE);
  } else if (isClass(className, L"Edit")) {
    out.set("read_only", (style & ES_READONLY) != 0);
  }
  return out;
}

void ControlReader::addButtonState(HWND control, Json& out) {
  static const char* const names[] = {"push", "checkbox", "radio", "groupbox", "other"};
  ButtonKind kind = buttonKind(control);
  out.set("kind", names[static_cast<int>(kind)]);
  if (kind == ButtonKind::CheckBox || kind == ButtonKind::Radio) {
    LRESULT state = sendTimed(control, BM_GETCHECK, 0, 0);
    out.set("checked", state == BST_CHECKED);
    out.set("check_state", static_cast<long long>(state));
  }
}

void ControlReader::addComboState(HWND control, Json& out) {
  int count = static_cast<int>(sendTimed(control, CB_GETCOUNT, 0, 0));
  int selected = static_cast<int>(sendTimed(control, CB_GETCURSEL, 0, 0));
  LONG_PTR style = GetWindowLongPtrW(control, GWL_STYLE);
  bool ownerData = (style & (CBS_OWNERDRAWFIXED | CBS_OWNERDRAWVARIABLE)) && !(style & CBS_HASSTRINGS);
  Json items = Json::array();
  for (int i = 0; i < count && i < kMaxItems; ++i) {
    if (ownerData)
      items.push(static_cast<long long>(sendTimed(control, CB_GETITEMDATA, i, 0)));
    else
      items.push(itemText(control, CB_GETLBTEXTLEN, CB_GETLBTEXT, i));
  }
  out.set("count", count).set("selected", selected).set("items", items);
  out.set("dropped", sendTimed(control, CB_GETDROPPEDSTATE, 0, 0) != 0);
}

void ControlReader::addListBoxState(HWND control, Json& out) {
  int count = static_cast<int>(sendTimed(control, LB_GETCOUNT, 0, 0));
  LONG_PTR style = GetWindowLongPtrW(control, GWL_STYLE);
  bool multi = (style & (LBS_MULTIPLESEL | LBS_EXTENDEDSEL)) != 0;
  bool ownerData = (style & (LBS_OWNERDRAWFIXED | LBS_OWNERDRAWVARIABLE)) && !(style & LBS_HASSTRINGS);
  Json items = Json::array();
  Json selectedItems = Json::array();
  for (int i = 0; i < count && i < kMaxItems; ++i) {
    if (ownerData)
      items.push(static_cast<long long>(sendTimed(control, LB_GETITEMDATA, i, 0)));
    else
      items.push(itemText(control, LB_GETTEXTLEN, LB_GETTEXT, i));
    if (multi && sendTimed(control, LB_GETSEL, i, 0) > 0) selectedItems.push(i);
  }
  out.set("count", count);
  out.set("selected", multi ? Json(nullptr) : Json(static_cast<int>(sendTimed(control, LB_GETCURSEL, 0, 0))));
  if (multi) out.set("selected_items", selectedItems);
  out.set("items", items);
}

void ControlReader::addScrollState(HWND control, Json& out) {
  SCROLLINFO info{};
  info.cbSize = sizeof info;
  info.fMask = SIF_ALL;
  LONG_PTR style = GetWindowLongPtrW(control, GWL_STYLE);
  out.set("orientation", (style & SBS_VERT) ? "vertical" : "horizontal");
  if (GetScrollInfo(control, SB_CTL, &info)) {
    out.set("position", info.nPos).set("min", info.nMin).set("max", info.nMax);
    out.set("page", static_cast<unsigned>(info.nPage)).set("track", info.nTrackPos);
  } else {
    out.set("position", static_cast<long long>(sendTimed(control, SBM_GETPOS, 0, 0)));
  }
}

void ControlReader::addTabState(HWND control, Json& out) {
  int count = static_cast<int>(sendTimed(control, TCM_GETITEMCOUNT, 0, 0));
  int selected = static_cast<int>(sendTimed(control, TCM_GETCURSEL, 0, 0));
  Json items = Json::array();
  if (count > 0) {
    // TCITEMW holds a pointer, so the item and its text buffer live in the target process.
    RemoteBuffer buffer(process(), sizeof(TCITEMW) + kItemChars * sizeof(wchar_t));
    for (int i = 0; i < count && i < kMaxItems; ++i) {
      TCITEMW item{};
      item.mask = TCIF_TEXT;
      item.pszText = buffer.as<wchar_t>(sizeof(TCITEMW));
      item.cchTextMax = static_cast<int>(kItemChars);
      wchar_t empty = 0;
      buffer.write(&item, sizeof item);
      buffer.write(&empty, sizeof empty, sizeof(TCITEMW));
      sendTimed(control, TCM_GETITEMW, static_cast<WPARAM>(i), buffer.param());
      items.push(buffer.readString(sizeof(TCITEMW), kItemChars));
    }
  }
  out.set("count", count).set("selected", selected).set("items", items);
}

void ControlReader::addListViewState(HWND control, Json& out) {
  int count = static_cast<int>(sendTimed(control, LVM_GETITEMCOUNT, 0, 0));
  HWND header = reinterpret_cast<HWND>(sendTimed(control, LVM_GETHEADER, 0, 0));
  int columns = header ? static_cast<int>(sendTimed(header, HDM_GETITEMCOUNT, 0, 0)) : 1;
  if (columns < 1) columns = 1;
  bool checkBoxes = (sendTimed(control, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0) & LVS_EX_CHECKBOXES) != 0;
  RemoteBuffer buffer(process(), sizeof(LVITEMW) + sizeof(HDITEMW) + kItemChars * sizeof(wchar_t));
  const size_t textOffset = sizeof(LVITEMW) + sizeof(HDITEMW);
  wchar_t empty = 0;
  Json columnNames = Json::array();
  for (int c = 0; header && c < columns; ++c) {
    HDITEMW item{};
    item.mask = HDI_TEXT;
    item.pszText = buffer.as<wchar_t>(textOffset);
    item.cchTextMax = static_cast<int>(kItemChars);
    buffer.write(&item, sizeof item, sizeof(LVITEMW));
    buffer.write(&empty, sizeof empty, textOffset);
    sendTimed(header, HDM_GETITEMW, static_cast<WPARAM>(c), buffer.param(sizeof(LVITEMW)));
    columnNames.push(buffer.readString(textOffset, kItemChars));
  }
  Json rows = Json::array();
  Json selected = Json::array();
  Json checked = Json::array();
  for (int i = 0; i < count && i < kMaxItems; ++i) {
    Json row = Json::array();
    for (int c = 0; c < columns; ++c) {
      LVITEMW item{};
      item.iSubItem = c;
      item.pszText = buffer.as<wchar_t>(textOffset);
      item.cchTextMax = static_cast<int>(kItemChars);
      buffer.write(&item, sizeof item);
      buffer.write(&empty, sizeof empty, textOffset);
      sendTimed(control, LVM_GETITEMTEXTW, static_cast<WPARAM>(i), buffer.param());
      row.push(buffer.readString(textOffset, kItemChars));
    }
    rows.push(row);
    LRESULT state = sendTimed(control, LVM_GETITEMSTATE, static_cast<WPARAM>(i), LVIS_SELECTED | LVIS_STATEIMAGEMASK);
    if (state & LVIS_SELECTED) selected.push(i);
    if (checkBoxes && ((state & LVIS_STATEIMAGEMASK) >> 12) == 2) checked.push(i);
  }
  out.set("count", count).set("columns", columnNames).set("items", rows).set("selected_items", selected);
  if (checkBoxes) out.set("checked_items", checked);
}

void ControlReader::addDatePickerState(HWND control, Json& out) {
  RemoteBuffer buffer(process(), sizeof(SYSTEMTIME));
  LRESULT result = sendTimed(control, DTM_GETSYSTEMTIME, 0, buffer.param());
  if (result != GDT_VALID) {
    out.set("value", nullptr);
    return;
  }
  SYSTEMTIME time{};
  buffer.read(&time, sizeof time);
  char text[32];
  std::snprintf(text, sizeof text, "%04u-%02u-%02u %02u:%02u:%02u", time.wYear, time.wMonth, time.wDay, time.wHour,
                time.wMinute, time.wSecond);
  out.set("value", text);
}

void ControlReader::addUpDownState(HWND control, Json& out) {
  RemoteBuffer buffer(process(), 2 * sizeof(int));
  sendTimed(control, UDM_GETRANGE32, reinterpret_cast<WPARAM>(buffer.as<int>(0)), buffer.param(sizeof(int)));
  int range[2] = {0, 0};
  buffer.read(range, sizeof range);
  out.set("position", static_cast<long long>(sendTimed(control, UDM_GETPOS32, 0, 0)));
  out.set("min", range[0]).set("max", range[1]);
  out.set("buddy", hwndNumber(reinterpret_cast<HWND>(sendTimed(control, UDM_GETBUDDY, 0, 0))));
}

// The controls of `top` that the filters (--id, --control-class, --shown, --group, --text) leave.
std::vector<HWND> matchingControls(HWND top, const Options& options) {
  std::vector<HWND> candidates = childControls(top);
  auto keep = [&](auto predicate) {
    candidates.erase(std::remove_if(candidates.begin(), candidates.end(), [&](HWND h) { return !predicate(h); }),
                     candidates.end());
  };
  if (options.has(L"id")) {
    int id = static_cast<int>(options.requiredNumber(L"id"));
    keep([&](HWND h) { return GetDlgCtrlID(h) == id; });
  }
  if (options.has(L"control-class")) {
    std::wstring wanted = options.text(L"control-class");
    keep([&](HWND h) { return isClass(windowClass(h), wanted.c_str()); });
  }
  if (options.flag(L"shown")) keep([](HWND h) { return IsWindowVisible(h) != FALSE; });
  if (options.has(L"group")) {
    std::wstring group = options.text(L"group");
    keep([&](HWND h) { return sameLabel(groupOf(h), group); });
  }
  if (options.has(L"text")) {
    std::wstring text = options.text(L"text");
    std::vector<HWND> exact;
    for (HWND h : candidates) {
      if (windowText(h) == text) exact.push_back(h);
    }
    if (exact.empty())
      keep([&](HWND h) { return sameLabel(windowText(h), text); });
    else
      candidates = exact;
  }
  return candidates;
}

HWND findControl(HWND top, const Options& options) {
  if (options.has(L"control")) {
    HWND control = parseHwnd(options.text(L"control"));
    if (!IsWindow(control) || !IsChild(top, control)) fail("no such control in the window");
    return control;
  }
  if (!options.has(L"text") && !options.has(L"id") && !options.has(L"control-class")) {
    failUsage("name the control with --text, --id, --control-class or --control");
  }
  const std::vector<HWND> candidates = matchingControls(top, options);
  if (candidates.empty()) fail("no control matches");
  if (options.has(L"nth")) {
    int64_t nth = options.requiredNumber(L"nth");
    if (nth < 0 || nth >= static_cast<int64_t>(candidates.size())) {
      fail("only " + std::to_string(candidates.size()) + " controls match");
    }
    return candidates[static_cast<size_t>(nth)];
  }
  if (candidates.size() > 1) {
    std::string list;
    for (HWND h : candidates) list += (list.empty() ? "" : ", ") + describeBriefly(h);
    fail(std::to_string(candidates.size()) + " controls match (use --nth, --group, --shown or --id): " + list);
  }
  return candidates.front();
}

Json commandControls(const Options& options) {
  HWND top = targetWindow(options);
  ControlReader reader(top);
  Json list = Json::array();
  // Only what the filters leave is described: reading every list's items of a window full of
  // controls takes thousands of messages to its thread.
  for (HWND control : matchingControls(top, options)) list.push(reader.describe(control));
  return Json::object().set("window", windowJson(top)).set("controls", list);
}

Json commandControl(const Options& options) {
  HWND top = targetWindow(options, 5000);
  HWND control = findControl(top, options);
  return ControlReader(top).describe(control);
}

}  // namespace tikora::driver
