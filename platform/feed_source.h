// Getting the bytes of a feed: a web address (http:, https:) with a plain GET request, a file:
// address or a local path as a file. The work runs off the calling thread, so a slow or dead
// server never stops the window that asked; the answer comes back on the calling thread.
#pragma once
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

namespace tikora {

// A feed larger than this is refused as not loadable.
inline constexpr std::size_t kFeedSizeLimit = 8u * 1024 * 1024;
// How long each step of a web fetch may wait: name resolution with the connection, and each
// send and receive.
inline constexpr std::uint32_t kFeedStepTimeoutMs = 10000;
// The longest a whole fetch may take, however the server trickles its answer.
inline constexpr std::uint32_t kFeedTotalTimeoutMs = 25000;

enum class FeedFetchStatus {
  Loaded,
  EmptyAddress,
  UnsupportedAddress,  // neither a web address, a file: address nor a path
  NetworkError,        // resolving, connecting, sending or receiving failed (detail: system error)
  HttpError,           // the server answered with a status outside 200 to 299 (detail: status)
  FileError,           // the file could not be read (detail: system error)
  TooLarge,            // more than kFeedSizeLimit bytes
  TimedOut,            // no whole answer within kFeedTotalTimeoutMs
};

struct FeedFetch {
  FeedFetchStatus status = FeedFetchStatus::Loaded;
  std::string bytes;         // the document's bytes, as sent, when Loaded
  std::uint32_t detail = 0;  // the HTTP status or the system error code, where there is one

  bool loaded() const { return status == FeedFetchStatus::Loaded; }
};

using FeedFetchDone = std::function<void(FeedFetch)>;

class FeedSource {
 public:
  virtual ~FeedSource() = default;

  // Starts getting the bytes at `address` and returns at once. `done` runs later on the thread
  // that called start, from its message loop, exactly once, never from inside start. One fetch
  // at a time: while one is under way, start does nothing and returns false.
  virtual bool start(const std::wstring& address, FeedFetchDone done) = 0;
  // Whether a fetch is under way (its `done` has not run yet).
  virtual bool busy() const = 0;
  // Drops the fetch under way, if any: its `done` never runs, and a new one may start.
  virtual void cancel() = 0;
};

}  // namespace tikora
