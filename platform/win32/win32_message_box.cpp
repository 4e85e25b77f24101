// MessageBoxW; see win32_message_box.h.
#include "platform/win32/win32_message_box.h"

namespace tikora {

MessageBoxAnswer Win32MessageBox::show(const MessageBoxRequest& request) {
  UINT style = request.buttons == MessageBoxButtons::YesNo ? MB_YESNO : MB_OK;
  switch (request.icon) {
    case MessageBoxIcon::None: break;
    case MessageBoxIcon::Information: style |= MB_ICONINFORMATION; break;
    case MessageBoxIcon::Warning: style |= MB_ICONWARNING; break;
  }
  const auto known = windows_.find(request.owner);
  // A window not made yet (the control panel loading its settings) owns nothing.
  HWND owner = known != windows_.end() && IsWindow(known->second) ? known->second : nullptr;
  // Without an owner the box still blocks the program's other windows, and it comes to the
  // front even when a timer raised it while another program was active.
  if (!owner) style |= MB_TASKMODAL;
  style |= MB_SETFOREGROUND;
  switch (MessageBoxW(owner, request.text.c_str(), request.caption.c_str(), style)) {
    case IDOK: return MessageBoxAnswer::Ok;
    case IDYES: return MessageBoxAnswer::Yes;
    case IDNO: return MessageBoxAnswer::No;
    case 0: return MessageBoxAnswer::Failed;
    default: return MessageBoxAnswer::Cancel;
  }
}

}  // namespace tikora
