// Message boxes with MessageBoxW. A request names its owner by its model's window name; the
// windows are made known here as they are made.
#pragma once
#include <windows.h>

#include <map>
#include <string>
#include <string_view>

#include "platform/message_box.h"

namespace tikora {

class Win32MessageBox : public MessageBoxService {
 public:
  MessageBoxAnswer show(const MessageBoxRequest& request) override;

  // The window of the model window `name` ("TForm2"); the boxes it owns block it.
  void addWindow(std::wstring_view name, HWND window) { windows_[std::wstring(name)] = window; }

 private:
  std::map<std::wstring, HWND, std::less<>> windows_;
};

}  // namespace tikora
