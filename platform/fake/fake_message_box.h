// Message boxes for tests: records every box shown and answers from a script. With the script
// used up, a box is answered with its first button (OK or Yes), as pressing Enter would.
#pragma once
#include <deque>
#include <functional>
#include <vector>

#include "platform/message_box.h"

namespace tikora {

class FakeMessageBox : public MessageBoxService {
 public:
  MessageBoxAnswer show(const MessageBoxRequest& request) override;

  void queueAnswer(MessageBoxAnswer answer) { answers_.push_back(answer); }

  // Runs while a box is on screen, before it is answered: what the box's own message loop
  // would run meanwhile (timers, a click elsewhere). A box shown from inside it is recorded and
  // answered, but does not run it again.
  std::function<void(const MessageBoxRequest&)> whileShown;

  const std::vector<MessageBoxRequest>& shown() const { return shown_; }
  // The texts of the boxes shown, in order.
  std::vector<std::wstring> texts() const;
  void clear() {
    shown_.clear();
    answers_.clear();
  }

 private:
  std::vector<MessageBoxRequest> shown_;
  std::deque<MessageBoxAnswer> answers_;
  int onScreen_ = 0;
};

}  // namespace tikora
