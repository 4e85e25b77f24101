// Feeds for tests; see fake_feed_source.h.
#include "platform/fake/fake_feed_source.h"

#include <utility>

namespace tikora {

bool FakeFeedSource::start(const std::wstring& address, FeedFetchDone done) {
  if (pending_) return false;
  pending_ = Pending{address, std::move(done)};
  started_.push_back(address);
  return true;
}

void FakeFeedSource::serve(const std::wstring& address, std::string bytes) {
  FeedFetch answer;
  if (bytes.size() > kFeedSizeLimit) {
    answer.status = FeedFetchStatus::TooLarge;
  } else {
    answer.bytes = std::move(bytes);
  }
  answers_[address] = std::move(answer);
}

void FakeFeedSource::fail(const std::wstring& address, FeedFetchStatus status, std::uint32_t detail) {
  answers_[address] = FeedFetch{status, {}, detail};
}

bool FakeFeedSource::finish() {
  if (!pending_) return false;
  Pending ending = std::move(*pending_);
  pending_.reset();
  FeedFetch answer{FeedFetchStatus::NetworkError, {}, 12007};  // name not resolved
  if (ending.address.empty()) {
    answer = FeedFetch{FeedFetchStatus::EmptyAddress, {}, 0};
  } else if (const auto found = answers_.find(ending.address); found != answers_.end()) {
    answer = found->second;
  }
  ending.done(std::move(answer));
  return true;
}

}  // namespace tikora
