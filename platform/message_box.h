// Modal message boxes: a caption, a text ("\r" breaks lines), the buttons and an icon.
#pragma once
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
  // The window that owns the box, by the name of its model's Window component ("TForm2"); empty
  // for none. The message box service finds the window itself.
  std::wstring owner;

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
