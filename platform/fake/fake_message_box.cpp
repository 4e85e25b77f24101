// Test message boxes; see fake_message_box.h.
#include "platform/fake/fake_message_box.h"

namespace tikora {

MessageBoxAnswer FakeMessageBox::show(const MessageBoxRequest& request) {
  shown_.push_back(request);
  if (whileShown && onScreen_ == 0) {
    ++onScreen_;
    whileShown(request);
    --onScreen_;
  }
  if (!answers_.empty()) {
    const auto answer = answers_.front();
    answers_.pop_front();
    return answer;
  }
  return request.buttons == MessageBoxButtons::YesNo ? MessageBoxAnswer::Yes : MessageBoxAnswer::Ok;
}

std::vector<std::wstring> FakeMessageBox::texts() const {
  std::vector<std::wstring> texts;
  for (const auto& r : shown_) texts.push_back(r.text);
  return texts;
}

}  // namespace tikora
