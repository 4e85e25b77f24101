// Walking a feed document into items; see feed_parse.h.
#include "rss/feed_parse.h"

#include <optional>

#include "rss/atom_entry.h"
#include "rss/feed_xml.h"

namespace tikora {
namespace {

const std::wstring kUnderscores(35, L'_');

}  // namespace

std::wstring feedReadMessage(FeedReadOutcome outcome) {
  switch (outcome) {
    case FeedReadOutcome::Read: return {};
    case FeedReadOutcome::SelectionRequired:
      return L" Selection is Required\r"
             L"   Please, Select Proper RSS Channel.\r" +
             kUnderscores;
    case FeedReadOutcome::CannotGet:
      return L"Cannot Get This RSS Channel\r"
             L"   Please, Check Internet Connection\r"
             L" or Try Get This Channel again later.\r" +
             kUnderscores;
    case FeedReadOutcome::ErrorReading:
      return L"Error Reading Rss Channel\r"
             L"   Please, Read one More Time\r"
             L" or Try Get This Channel again later.\r" +
             kUnderscores;
    case FeedReadOutcome::NotReadable:
      return L"Selected Rss Channel is not Readable\r"
             L"   Use Feed Validation Service\r"
             L"    to make sure that document has no errors\r" +
             kUnderscores;
  }
  return {};
}

namespace {

// One item read from its element; none when a field holds more than plain text.
using ItemReader = std::optional<FeedItem> (*)(XmlDocument&, XmlNode);

// An item from its four texts; none when the title, link or description is no plain text. A
// date that is no plain text is an empty one.
std::optional<FeedItem> itemOf(Result<std::wstring> title, Result<std::wstring> link, Result<std::wstring> description,
                               Result<std::wstring> date) {
  if (!title || !link || !description) return std::nullopt;
  return FeedItem{std::move(*title), std::move(*link), std::move(*description), date.valueOr(L"")};
}

std::optional<FeedItem> readRss2Item(XmlDocument& document, XmlNode item) {
  return itemOf(document.childText(item, L"title"), document.childText(item, L"link"),
                document.childText(item, L"description"), document.childText(item, L"pubDate"));
}

std::optional<FeedItem> readRss1Item(XmlDocument& document, XmlNode item) {
  const auto field = [&](std::wstring_view name) { return childTextIn(document, item, kRss1Namespace, name); };
  return itemOf(field(L"title"), field(L"link"), field(L"description"),
                childTextIn(document, item, kDublinCoreNamespace, L"date"));
}

// Adds the item at `node` to `read`; false when the walk ends here (unreadable, or full).
bool take(FeedItems& read, ItemReader reader, XmlDocument& document, XmlNode node) {
  std::optional<FeedItem> item = reader(document, node);
  if (!item) {
    read.outcome = FeedReadOutcome::NotReadable;
    return false;
  }
  read.items.push_back(std::move(*item));
  return static_cast<int>(read.items.size()) < kMostItemsRead;
}

// RSS 2.0 (and whatever else is not RSS 1.0 or Atom): the first "item" under the document
// element's first child, and every node after it, whatever its name; only comments and
// processing instructions between them are passed over.
void readChannelItems(XmlDocument& document, XmlNode channel, FeedItems& read) {
  XmlNode node = document.firstChildElement(channel, L"item");
  if (!node) read.outcome = FeedReadOutcome::NotReadable;
  while (node && take(read, readRss2Item, document, node)) {
    do {
      node = document.nextSibling(node);
    } while (node && (document.kind(node) == XmlNodeKind::Comment || document.kind(node) == XmlNodeKind::Instruction));
  }
}

// RSS 1.0 and Atom: the children of the document element that are items of the format.
void readItemElements(XmlDocument& document, XmlNode root, std::wstring_view space, std::wstring_view name,
                      ItemReader reader, FeedItems& read) {
  for (XmlNode node = document.firstChild(root); node; node = document.nextSibling(node)) {
    if (isElementIn(document, node, space, name) && !take(read, reader, document, node)) return;
  }
  if (read.items.empty()) read.outcome = FeedReadOutcome::NotReadable;
}

}  // namespace

FeedItems readItems(XmlDocument& document) {
  FeedItems read;
  const XmlNode root = document.documentElement();
  const XmlNode first = document.firstChild(root);
  if (!first) {
    read.outcome = FeedReadOutcome::ErrorReading;
  } else if (isElementIn(document, root, kAtomNamespace, L"feed")) {
    readItemElements(document, root, kAtomNamespace, L"entry", readAtomEntry, read);
  } else if (isElementIn(document, root, kRdfNamespace, L"RDF")) {
    readItemElements(document, root, kRss1Namespace, L"item", readRss1Item, read);
  } else {
    readChannelItems(document, first, read);
  }
  document.release();
  return read;
}

FeedItems readFeedDocument(XmlDocument& document, std::string_view bytes) {
  if (!document.load(bytes)) return FeedItems{FeedReadOutcome::CannotGet, {}};
  return readItems(document);
}

}  // namespace tikora
