// Clicking, choosing and typing into the controls of another process.
#include "actions.h"

#include <commctrl.h>

#include <initializer_list>

#include "controls.h"
#include "windows_list.h"

namespace tikora::driver {

namespace {

constexpr DWORD kPollMs = 25;

bool hasControlOptions(const Options& options) {
  return options.has(L"text") || options.has(L"id") || options.has(L"control") || options.has(L"control-class");
}

HWND targetControl(const Options& options) {
  HWND top = targetWindow(options, 5000);
  return findControl(top, options);
}

void postOrFail(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (!PostMessageW(hwnd, message, wParam, lParam)) {
    fail("cannot post message " + std::to_string(message) + " (error " + std::to_string(GetLastError()) + ")");
  }
}

// Sends with a time-out. A handler that opens a modal box does not return until the box
// closes, so a time-out is reported in the result, not treated as a failure.
Json sendTimed(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, DWORD timeoutMs) {
  DWORD_PTR result = 0;
  SetLastError(0);
  if (SendMessageTimeoutW(hwnd, message, wParam, lParam, SMTO_NORMAL, timeoutMs, &result)) {
    return Json::object().set("result", static_cast<long long>(result)).set("timed_out", false);
  }
  DWORD error = GetLastError();
  if (error != ERROR_TIMEOUT && error != 0) {
    fail("cannot send message " + std::to_string(message) + " (error " + std::to_string(error) + ")");
  }
  return Json::object().set("result", nullptr).set("timed_out", true);
}

// Tells the parent of `control` about a change the user would have made, the way the control
// itself would: WM_COMMAND with the notification code in the high word.
Json notifyParent(HWND control, WORD code, const std::wstring& mode, DWORD timeoutMs) {
  HWND parent = GetParent(control);
  WPARAM wParam = MAKEWPARAM(static_cast<WORD>(GetDlgCtrlID(control)), code);
  if (mode == L"send") return sendTimed(parent, WM_COMMAND, wParam, reinterpret_cast<LPARAM>(control), timeoutMs);
  postOrFail(parent, WM_COMMAND, wParam, reinterpret_cast<LPARAM>(control));
  return Json::object().set("posted", true);
}

std::wstring modeOf(const Options& options, const std::wstring& fallback) {
  std::wstring mode = options.text(L"mode", fallback);
  if (mode != L"post" && mode != L"send" && mode != L"command" && mode != L"mouse") {
    failUsage("--mode must be post, send, command or mouse");
  }
  return mode;
}

Json controlResult(HWND control, Json outcome) {
  HWND top = GetAncestor(control, GA_ROOT);
  ControlReader reader(top);
  return Json::object().set("control", reader.describe(control)).set("outcome", std::move(outcome));
}

// Index of the item whose text is `wanted` in a described combo box, list box or tab control:
// the same text exactly if there is one, else the same text ignoring case and "&" markers.
int findItem(HWND control, const std::wstring& wanted) {
  Json described = ControlReader(GetAncestor(control, GA_ROOT)).describe(control);
  const Json* items = described.find("items");
  if (!items) fail("the control has no items");
  for (size_t i = 0; i < items->size(); ++i) {
    if (items->at(i).kind() == Json::Kind::String && items->at(i).text() == narrow(wanted)) return static_cast<int>(i);
  }
  for (size_t i = 0; i < items->size(); ++i) {
    if (items->at(i).kind() == Json::Kind::String && sameLabel(fromUtf8(items->at(i).text()), wanted)) {
      return static_cast<int>(i);
    }
  }
  fail("no item \"" + narrow(wanted) + "\"");
}

INPUT mouseInput(DWORD flags, LONG x = 0, LONG y = 0) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dx = x;
  input.mi.dy = y;
  input.mi.dwFlags = flags;
  return input;
}

// A pointer move to screen point `to` as the input system reports it, so a window's move loop
// (or any mouse capture) follows it as it follows a real mouse.
INPUT moveInput(POINT to) {
  int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
  return mouseInput(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE,
                    static_cast<LONG>((to.x * 65535LL + (width - 1) / 2) / (width > 1 ? width - 1 : 1)),
                    static_cast<LONG>((to.y * 65535LL + (height - 1) / 2) / (height > 1 ? height - 1 : 1)));
}

void sendInputs(std::initializer_list<INPUT> inputs) {
  for (INPUT input : inputs) {
    if (SendInput(1, &input, sizeof(INPUT)) != 1) fail("SendInput failed");
    Sleep(kPollMs);
  }
}

}  // namespace

Json commandClick(const Options& options) {
  HWND control = targetControl(options);
  std::wstring mode = modeOf(options, L"post");
  DWORD timeout = static_cast<DWORD>(options.number(L"send-timeout", 2000));
  Json outcome = Json::object().set("mode", mode);
  if (mode == L"post") {
    postOrFail(control, BM_CLICK, 0, 0);
  } else if (mode == L"send") {
    outcome.set("send", sendTimed(control, BM_CLICK, 0, 0, timeout));
  } else if (mode == L"command") {
    outcome.set("notify", notifyParent(control, BN_CLICKED, L"post", timeout));
  } else {
    RECT client{};
    GetClientRect(control, &client);
    LPARAM at = MAKELPARAM(client.right / 2, client.bottom / 2);
    postOrFail(control, WM_LBUTTONDOWN, MK_LBUTTON, at);
    postOrFail(control, WM_LBUTTONUP, 0, at);
  }
  return Json::object().set("clicked", hwndNumber(control)).set("outcome", outcome);
}

Json commandCheck(const Options& options) {
  HWND control = targetControl(options);
  ButtonKind kind = buttonKind(control);
  if (kind != ButtonKind::CheckBox && kind != ButtonKind::Radio) fail("the control is not a check box or radio button");
  int64_t wanted = options.number(L"state", 1);
  DWORD_PTR state = 0;
  SendMessageTimeoutW(control, BM_GETCHECK, 0, 0, SMTO_ABORTIFHUNG, 2000, &state);
  bool clicked = false;
  if (static_cast<int64_t>(state) != wanted) {
    postOrFail(control, BM_CLICK, 0, 0);
    clicked = true;
    DWORD timeout = options.timeoutMs(5000), start = GetTickCount();
    for (;;) {
      SendMessageTimeoutW(control, BM_GETCHECK, 0, 0, SMTO_ABORTIFHUNG, 2000, &state);
      if (static_cast<int64_t>(state) == wanted) break;
      if (GetTickCount() - start >= timeout) failTimeout("the control did not reach the wanted state");
      Sleep(kPollMs);
    }
  }
  return Json::object().set("clicked", clicked).set("checked", static_cast<long long>(state));
}

Json commandSelect(const Options& options) {
  HWND control = targetControl(options);
  std::wstring className = windowClass(control);
  bool combo = CompareStringOrdinal(className.c_str(), -1, L"ComboBox", -1, TRUE) == CSTR_EQUAL;
  if (!combo && CompareStringOrdinal(className.c_str(), -1, L"ListBox", -1, TRUE) != CSTR_EQUAL) {
    fail("the control is not a combo box or list box");
  }
  std::wstring mode = options.text(L"mode", L"post");
  if (mode != L"post" && mode != L"send") failUsage("--mode must be post or send");
  int index = options.has(L"index") ? static_cast<int>(options.requiredNumber(L"index"))
                                    : findItem(control, options.required(L"item"));
  DWORD_PTR result = 0;
  SendMessageTimeoutW(control, combo ? CB_SETCURSEL : LB_SETCURSEL, static_cast<WPARAM>(index), 0, SMTO_ABORTIFHUNG,
                      2000, &result);
  if (static_cast<LRESULT>(result) == (combo ? CB_ERR : LB_ERR) && index != -1) {
    fail("no item at index " + std::to_string(index));
  }
  Json outcome = notifyParent(control, combo ? CBN_SELCHANGE : LBN_SELCHANGE, mode,
                              static_cast<DWORD>(options.number(L"send-timeout", 2000)));
  return controlResult(control, outcome.set("index", index));
}

Json commandScroll(const Options& options) {
  HWND control = targetControl(options);
  int position = static_cast<int>(options.requiredNumber(L"position"));
  LONG_PTR style = GetWindowLongPtrW(control, GWL_STYLE);
  UINT message = (style & SBS_VERT) ? WM_VSCROLL : WM_HSCROLL;
  DWORD_PTR ignored = 0;
  SendMessageTimeoutW(control, SBM_SETPOS, static_cast<WPARAM>(position), TRUE, SMTO_ABORTIFHUNG, 2000, &ignored);
  // The same sequence a thumb drag ends with, so handlers of either code see the change.
  HWND parent = GetParent(control);
  LPARAM from = reinterpret_cast<LPARAM>(control);
  WORD high = static_cast<WORD>(position);
  postOrFail(parent, message, MAKEWPARAM(SB_THUMBTRACK, high), from);
  postOrFail(parent, message, MAKEWPARAM(SB_THUMBPOSITION, high), from);
  postOrFail(parent, message, MAKEWPARAM(SB_ENDSCROLL, 0), from);
  return controlResult(control, Json::object().set("position", position));
}

Json commandTab(const Options& options) {
  HWND control = targetControl(options);
  int index = options.has(L"index") ? static_cast<int>(options.requiredNumber(L"index"))
                                    : findItem(control, options.required(L"item"));
  DWORD_PTR ignored = 0;
  // TCM_SETCURFOCUS, unlike TCM_SETCURSEL, sends TCN_SELCHANGING and TCN_SELCHANGE to the parent
  // as a click on the tab would.
  if (!SendMessageTimeoutW(control, TCM_SETCURFOCUS, static_cast<WPARAM>(index), 0, SMTO_NORMAL,
                           static_cast<UINT>(options.number(L"send-timeout", 2000)), &ignored)) {
    fail("the tab control did not answer");
  }
  return controlResult(control, Json::object().set("index", index));
}

Json commandSetText(const Options& options) {
  HWND control = hasControlOptions(options) ? targetControl(options) : targetWindow(options, 5000);
  std::wstring value = options.required(L"value");
  Json outcome = sendTimed(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(value.c_str()),
                           static_cast<DWORD>(options.number(L"send-timeout", 2000)));
  return Json::object().set("hwnd", hwndNumber(control)).set("text", windowText(control)).set("outcome", outcome);
}

static HWND messageTarget(const Options& options) {
  return hasControlOptions(options) ? targetControl(options) : targetWindow(options, 5000);
}

// --msg M, or --registered NAME: the message the system registered under that name (what
// RegisterWindowMessage gives every process, such as the shell's "TaskbarCreated").
static UINT messageNumber(const Options& options) {
  if (options.has(L"registered")) {
    const UINT message = RegisterWindowMessageW(options.required(L"registered").c_str());
    if (!message) fail("cannot register the message name");
    return message;
  }
  return static_cast<UINT>(options.requiredNumber(L"msg"));
}

Json commandPost(const Options& options) {
  HWND hwnd = messageTarget(options);
  UINT message = messageNumber(options);
  postOrFail(hwnd, message, static_cast<WPARAM>(options.number(L"wparam", 0)),
             static_cast<LPARAM>(options.number(L"lparam", 0)));
  return Json::object().set("posted", true).set("hwnd", hwndNumber(hwnd)).set("msg", static_cast<int64_t>(message));
}

Json commandSend(const Options& options) {
  HWND hwnd = messageTarget(options);
  UINT message = messageNumber(options);
  return sendTimed(hwnd, message, static_cast<WPARAM>(options.number(L"wparam", 0)),
                   static_cast<LPARAM>(options.number(L"lparam", 0)),
                   static_cast<DWORD>(options.number(L"send-timeout", 2000)))
      .set("hwnd", hwndNumber(hwnd));
}

Json commandMouse(const Options& options) {
  POINT at = parsePoint(options.required(L"at"));
  bool relative = options.has(L"hwnd") || options.has(L"caption") || options.has(L"class");
  if (relative) ClientToScreen(targetWindow(options, 5000), &at);
  std::wstring button = options.text(L"button", L"left");
  std::wstring action = options.text(L"action", L"click");
  DWORD down = button == L"right" ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN;
  DWORD up = button == L"right" ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP;
  if (button != L"left" && button != L"right") failUsage("--button must be left or right");
  if (!SetCursorPos(at.x, at.y)) fail("cannot move the pointer");
  Sleep(kPollMs);
  if (action == L"click") {
    sendInputs({mouseInput(down), mouseInput(up)});
  } else if (action == L"down") {
    sendInputs({mouseInput(down)});
  } else if (action == L"up") {
    sendInputs({mouseInput(up)});
  } else if (action == L"drag") {
    POINT to = parsePoint(options.required(L"to"));
    if (relative) ClientToScreen(targetWindow(options, 5000), &to);
    sendInputs({mouseInput(down)});
    const int steps = 10;
    for (int i = 1; i <= steps; ++i) {
      POINT step{at.x + (to.x - at.x) * i / steps, at.y + (to.y - at.y) * i / steps};
      sendInputs({moveInput(step)});
    }
    sendInputs({mouseInput(up)});
  } else if (action != L"move") {
    failUsage("--action must be click, down, up, move or drag");
  }
  POINT now{};
  GetCursorPos(&now);
  return Json::object().set("x", now.x).set("y", now.y);
}

Json commandKey(const Options& options) {
  WORD vk = static_cast<WORD>(options.requiredNumber(L"vk"));
  std::wstring action = options.text(L"action", L"press");
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = vk;
  if (action == L"press" || action == L"down") sendInputs({input});
  input.ki.dwFlags = KEYEVENTF_KEYUP;
  if (action == L"press" || action == L"up") sendInputs({input});
  return Json::object().set("vk", static_cast<unsigned>(vk)).set("action", action);
}

}  // namespace tikora::driver
