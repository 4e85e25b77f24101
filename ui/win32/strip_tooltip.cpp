// The strip's tool-tip; see strip_tooltip.h.
#include "ui/win32/strip_tooltip.h"

#include <commctrl.h>

namespace tikora {
namespace {

constexpr UINT_PTR kStripToolId = 1;

TTTOOLINFOW toolInfo(HWND owner) {
  TTTOOLINFOW info{};
  info.cbSize = sizeof info;
  info.hwnd = owner;
  info.uId = kStripToolId;
  return info;
}

}  // namespace

StripToolTip::~StripToolTip() {
  if (toolTip_ && IsWindow(toolTip_)) DestroyWindow(toolTip_);
}

bool StripToolTip::create(HWND owner, const RECT& area) {
  owner_ = owner;
  toolTip_ =
      CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
                      CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr, GetModuleHandleW(nullptr), nullptr);
  if (!toolTip_) return false;
  TTTOOLINFOW info = toolInfo(owner);
  // The tool-tip watches the clock's mouse messages itself, so no relaying is needed.
  info.uFlags = TTF_SUBCLASS;
  info.rect = area;
  info.lpszText = text_.data();
  return SendMessageW(toolTip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info)) != FALSE;
}

void StripToolTip::setText(const std::wstring& text) {
  if (!toolTip_ || text == text_) return;
  text_ = text;
  TTTOOLINFOW info = toolInfo(owner_);
  info.lpszText = text_.data();
  SendMessageW(toolTip_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&info));
}

}  // namespace tikora
