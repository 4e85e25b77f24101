// Message boxes with MessageBoxW.
#pragma once
#include "platform/message_box.h"

namespace tikora {

class Win32MessageBox : public MessageBoxService {
 public:
  MessageBoxAnswer show(const MessageBoxRequest& request) override;
};

}  // namespace tikora
