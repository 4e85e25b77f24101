// One item of a feed as the reader keeps it: its four texts, in this order. Every kind of feed
// (RSS 2.0, RSS 1.0, Atom) is read into these.
#pragma once
#include <string>

namespace tikora {

struct FeedItem {
  std::wstring title;
  std::wstring link;
  std::wstring description;
  std::wstring pubDate;  // empty when it cannot be read

  friend bool operator==(const FeedItem&, const FeedItem&) = default;
};

}  // namespace tikora
