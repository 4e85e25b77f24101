// Walking a feed document into items; see feed_parse.h.
#include "rss/feed_parse.h"

namespace tikora {
namespace {

const std::wstring kUnderscores(35, L'_');

}  // namespace

std::wstring feedReadMessage(FeedReadOutcome outcome) {
  switch (outcome) {
    case FeedReadOutcome::Read:
      return {};
    case FeedReadOutcome::SelectionRequired:
      return L" Selection is Required\r"
             L"   Please, Select Proper RSS Channel.\r" + kUnderscores;
    case FeedReadOutcome::CannotGet:
      return L"Cannot Get This RSS Channel\r"
             L"   Please, Check Internet Connection\r"
             L" or Try Get This Channel again later.\r" + kUnderscores;
    case FeedReadOutcome::ErrorReading:
      return L"Error Reading Rss Channel\r"
             L"   Please, Read one More Time\r"
             L" or Try Get This Channel again later.\r" + kUnderscores;
    case FeedReadOutcome::NotReadable:
      return L"Selected Rss Channel is not Readable\r"
             L"   Use Feed Validation Service\r"
             L"    to make sure that document has no errors\r" + kUnderscores;
  }
  return {};
}

FeedItems readItems(XmlDocument& document) {
  FeedItems read;
  const XmlNode root = document.documentElement();
  const XmlNode first = document.firstChild(root);
  if (!first) {
    document.release();
    read.outcome = FeedReadOutcome::ErrorReading;
    return read;
  }
  // Every node from the first "item" on counts as an item, whatever its name or kind.
  for (XmlNode node = document.firstChildElement(first, L"item");;) {
    if (!node) {
      if (read.items.empty()) read.outcome = FeedReadOutcome::NotReadable;
      break;
    }
    auto title = document.childText(node, L"title");
    auto link = document.childText(node, L"link");
    auto description = document.childText(node, L"description");
    if (!title || !link || !description) {
      read.outcome = FeedReadOutcome::NotReadable;
      break;
    }
    auto pubDate = document.childText(node, L"pubDate");
    read.items.push_back(TRss_data{std::move(*title), std::move(*link), std::move(*description),
                                   pubDate ? std::move(*pubDate) : std::wstring()});
    if (static_cast<int>(read.items.size()) == kMostItemsRead) break;
    node = document.nextSibling(node);
  }
  document.release();
  return read;
}

FeedItems readFeedDocument(XmlDocument& document, std::string_view bytes) {
  if (!document.load(bytes)) return FeedItems{FeedReadOutcome::CannotGet, {}};
  return readItems(document);
}

}  // namespace tikora
