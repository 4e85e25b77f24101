// Modal message boxes: a caption, a text ("\r" breaks lines), the buttons and an icon.
#pragma once
#include <cstdint>
#include <string>

namespace tikora {

enum class MessageBoxButtons { Ok, YesNo };
enum class MessageBoxIcon { None, Information, Warning };
enum class MessageBoxAnswer {
  Ok,
  Yes,
  No,
  Cancel,  // closed without choosing where the system allows it
  Failed,  // the box could not be shown
};

struct MessageBoxRequest {
  std::wstring caption;
  std::wstring text;
  MessageBoxButtons buttons = MessageBoxButtons::Ok;
  MessageBoxIcon icon = MessageBoxIcon::None;
  // The native window that owns the box (an HWND on Windows), 0 for none.
  std::uintptr_t owner = 0;

  friend bool operator==(const MessageBoxRequest&, const MessageBoxRequest&) = default;
};

// Not named MessageBox: that name is a macro of the Windows headers.
class MessageBoxService {
 public:
  virtual ~MessageBoxService() = default;
  // Shows the box and returns when the user has answered.
  virtual MessageBoxAnswer show(const MessageBoxRequest& request) = 0;
};

}  // namespace tikora
