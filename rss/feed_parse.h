// The part of a feed read that walks the loaded document into `FeedItem` records, at most 99
// of them, and how the walk ended. Three kinds of feed are read:
//   - Atom 1.0 (a "feed" of the Atom namespace): its "entry" elements (atom_entry.h);
//   - RSS 1.0 (an RDF document): the RSS 1.0 "item" elements beside the channel, with their
//     title, link, description and Dublin Core date;
//   - RSS 2.0 and anything else: the document element's first child, that node's first "item"
//     and every node after it, whatever its name; comments and processing instructions between
//     them are passed over.
#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "platform/xml_document.h"
#include "rss/feed_item.h"

namespace tikora {

// The item table has slots for 100 items; a read fills at most 99 of them.
inline constexpr int kItemSlots = 100;
inline constexpr int kMostItemsRead = 99;

enum class FeedReadOutcome {
  Read,               // the items are there; the ticker starts
  SelectionRequired,  // loading failed and no address was selected
  CannotGet,          // loading failed: network, not XML, not well-formed, too large
  ErrorReading,       // the document element has no child to descend into
  NotReadable,        // no item there, or an item's title, link or description is not plain text
};

// The message box text of a failed read (every line but the last separated by "\r", the last a
// run of 35 underscores); empty for Read.
std::wstring feedReadMessage(FeedReadOutcome outcome);

struct FeedItems {
  FeedReadOutcome outcome = FeedReadOutcome::Read;
  // The items read, in document order; on NotReadable the ones read before the fault.
  std::vector<FeedItem> items;
};

// Walks a loaded document; releases it at the end.
FeedItems readItems(XmlDocument& document);
// Loads the bytes (CannotGet when that fails) and walks the document.
FeedItems readFeedDocument(XmlDocument& document, std::string_view bytes);

}  // namespace tikora
