// Reading and answering message boxes.
#include "message_boxes.h"

#include <vector>

#include "controls.h"
#include "windows_list.h"

namespace tikora::driver {

namespace {

constexpr wchar_t kDialogClass[] = L"#32770";

struct BoxButton {
  HWND hwnd;
  int id;
  std::wstring text;
};

struct Box {
  HWND hwnd;
  std::wstring caption;
  std::vector<std::wstring> texts;  // static texts, top to bottom as the dialog lists them
  std::vector<BoxButton> buttons;
  bool hasIcon = false;
  bool plain = true;  // only static texts, icons and push buttons: a message box
};

bool isClass(HWND hwnd, const wchar_t* name) {
  std::wstring actual = windowClass(hwnd);
  return CompareStringOrdinal(actual.c_str(), -1, name, -1, TRUE) == CSTR_EQUAL;
}

Box readBox(HWND dialog) {
  Box box{dialog, windowText(dialog), {}, {}, false, true};
  for (HWND child : childControls(dialog)) {
    if (!IsWindowVisible(child)) continue;
    if (isClass(child, L"Static")) {
      LONG_PTR type = GetWindowLongPtrW(child, GWL_STYLE) & SS_TYPEMASK;
      if (type == SS_ICON || type == SS_BITMAP)
        box.hasIcon = true;
      else {
        std::wstring text = windowText(child);
        if (!text.empty()) box.texts.push_back(text);
      }
    } else if (isClass(child, L"Button") && buttonKind(child) == ButtonKind::Push) {
      box.buttons.push_back({child, GetDlgCtrlID(child), windowText(child)});
    } else {
      box.plain = false;
    }
  }
  return box;
}

Json boxJson(const Box& box) {
  Json texts = Json::array();
  std::wstring joined;
  for (const auto& text : box.texts) {
    texts.push(text);
    joined += (joined.empty() ? L"" : L"\n") + text;
  }
  Json buttons = Json::array();
  for (const auto& button : box.buttons) {
    buttons.push(Json::object()
                     .set("text", button.text)
                     .set("label", withoutMnemonics(button.text))
                     .set("id", button.id)
                     .set("hwnd", hwndNumber(button.hwnd)));
  }
  RECT rect{};
  GetWindowRect(box.hwnd, &rect);
  return Json::object()
      .set("hwnd", hwndNumber(box.hwnd))
      .set("caption", box.caption)
      .set("text", joined)
      .set("texts", texts)
      .set("buttons", buttons)
      .set("icon", box.hasIcon)
      .set("message_box", box.plain)
      .set("owner", hwndNumber(GetWindow(box.hwnd, GW_OWNER)))
      .set("pid", static_cast<unsigned>(windowProcess(box.hwnd)))
      .set("rect", rectJson(rect));
}

// Visible dialogs matching --pid, --caption (of the box) and --contains (part of its text).
std::vector<Box> findBoxes(const Options& options) {
  WindowFilter filter;
  filter.hasClass = true;
  filter.className = kDialogClass;
  filter.pid = static_cast<DWORD>(options.number(L"pid", 0));
  filter.visibleOnly = !options.flag(L"hidden");
  filter.hasCaption = options.has(L"caption");
  filter.caption = options.text(L"caption");
  std::wstring contains = options.text(L"contains");
  std::vector<Box> out;
  for (HWND hwnd : topLevelWindows(filter)) {
    Box box = readBox(hwnd);
    if (!contains.empty()) {
      bool found = false;
      for (const auto& text : box.texts) found = found || text.find(contains) != std::wstring::npos;
      if (!found) continue;
    }
    out.push_back(std::move(box));
  }
  return out;
}

Box waitForBox(const Options& options) {
  DWORD timeout = options.timeoutMs(10000);
  DWORD start = GetTickCount();
  for (;;) {
    auto boxes = findBoxes(options);
    if (!boxes.empty()) return boxes.front();
    if (GetTickCount() - start >= timeout) break;
    Sleep(50);
  }
  failTimeout("no message box appeared within " + std::to_string(timeout) + " ms");
}

}  // namespace

Json commandMessageBoxes(const Options& options) {
  Json list = Json::array();
  for (const auto& box : findBoxes(options)) list.push(boxJson(box));
  return list;
}

Json commandWaitMessageBox(const Options& options) { return boxJson(waitForBox(options)); }

Json commandDismissMessageBox(const Options& options) {
  std::wstring wanted = options.required(L"button");
  Box box = waitForBox(options);
  const BoxButton* chosen = nullptr;
  for (const auto& button : box.buttons) {
    if (!chosen && sameLabel(button.text, wanted)) chosen = &button;
  }
  if (!chosen) {
    std::string names;
    for (const auto& button : box.buttons) names += (names.empty() ? "\"" : ", \"") + narrow(button.text) + "\"";
    fail("the message box has no button \"" + narrow(wanted) + "\" (it has " + names + ")");
  }
  Json record = boxJson(box);
  // What a click on the button ends in: the dialog gets WM_COMMAND with the button's id. This
  // works whether or not the box is the active window, unlike a synthetic button press.
  PostMessageW(box.hwnd, WM_COMMAND, MAKEWPARAM(static_cast<WORD>(chosen->id), BN_CLICKED),
               reinterpret_cast<LPARAM>(chosen->hwnd));
  DWORD timeout = options.timeoutMs(10000);
  DWORD start = GetTickCount();
  while (IsWindow(box.hwnd) && IsWindowVisible(box.hwnd)) {
    if (GetTickCount() - start >= timeout) failTimeout("the message box did not close");
    Sleep(25);
  }
  return record.set("pressed", chosen->text).set("pressed_id", chosen->id);
}

}  // namespace tikora::driver
