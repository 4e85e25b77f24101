// Feeds for tests: a table of what each address gives, and fetches that stay under way until
// the test ends them with finish(), as the message loop would deliver the answer later.
#pragma once
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/feed_source.h"

namespace tikora {

class FakeFeedSource : public FeedSource {
 public:
  bool start(const std::wstring& address, FeedFetchDone done) override;
  bool busy() const override { return pending_.has_value(); }
  void cancel() override { pending_.reset(); }

  // The bytes a fetch of `address` gives. More than kFeedSizeLimit bytes are refused as the
  // real source refuses them.
  void serve(const std::wstring& address, std::string bytes);
  // The failure a fetch of `address` ends with. An address never set up fails as unreachable.
  void fail(const std::wstring& address, FeedFetchStatus status, std::uint32_t detail = 0);

  // Ends the fetch under way: its answer goes to the `done` it was started with. False when no
  // fetch is under way.
  bool finish();

  // Every address a fetch was started for, in order (refused starts are not in it).
  const std::vector<std::wstring>& started() const { return started_; }

 private:
  struct Pending {
    std::wstring address;
    FeedFetchDone done;
  };
  std::map<std::wstring, FeedFetch> answers_;
  std::optional<Pending> pending_;
  std::vector<std::wstring> started_;
};

}  // namespace tikora
