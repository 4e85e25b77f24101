// Feeds on Windows: a web address through WinINet (a plain GET, redirects followed, nothing
// cached), a file: address or a local path read as a file. Each fetch runs on a thread of its
// own; its answer, or the end of the whole time allowed, comes back to the thread that started
// it through a message-only window, so that thread's message loop must run. A fetch that runs
// out of time is answered at once and its thread is left to end by its own time-outs; its late
// answer is dropped.
#pragma once
#include <windows.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "platform/feed_source.h"

namespace tikora {

struct FeedFetchLimits {
  std::uint32_t stepTimeoutMs = kFeedStepTimeoutMs;    // connecting, each send, each receive
  std::uint32_t totalTimeoutMs = kFeedTotalTimeoutMs;  // the whole fetch
  std::size_t sizeLimit = kFeedSizeLimit;
};

// Gets the bytes at `address` on the calling thread, waiting for them.
FeedFetch fetchFeedNow(const std::wstring& address, const FeedFetchLimits& limits = {});

class Win32FeedSource : public FeedSource {
 public:
  explicit Win32FeedSource(FeedFetchLimits limits = {});
  ~Win32FeedSource() override;
  Win32FeedSource(const Win32FeedSource&) = delete;
  Win32FeedSource& operator=(const Win32FeedSource&) = delete;

  bool start(const std::wstring& address, FeedFetchDone done) override;
  bool busy() const override { return running_.has_value(); }
  void cancel() override;

 private:
  struct Job;
  static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  void finish(std::uint64_t id, bool timedOut);

  FeedFetchLimits limits_;
  HWND window_ = nullptr;
  struct Running {
    std::uint64_t id = 0;
    std::shared_ptr<Job> job;
    FeedFetchDone done;
  };
  std::optional<Running> running_;
};

}  // namespace tikora
