// A feed as a server may send it: bytes loaded into the native XML document and walked into the
// item table, RSS 2.0, RSS 1.0 and Atom alike. Besides crashes and hangs it checks what the read
// promises: no more than 99 items; a failed load reads nothing; a document with a DTD never
// loads; and nothing is expanded, so what the items hold stays in proportion to the bytes.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/xml_prolog.h"
#include "fuzz/fuzz_input.h"
#include "platform/feed_source.h"
#include "platform/native/libxml_document.h"
#include "rss/feed_parse.h"

namespace {

// The most characters an item's texts may hold per byte of the feed: an Atom text item's
// escaping turns one character into at most six ("&quot;").
constexpr std::size_t kMostCharactersPerByte = 6;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tikora;
  if (size > kFeedSizeLimit) return 0;  // the feed source refuses these before any reading
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  static LibXmlDocument document;
  const FeedItems read = readFeedDocument(document, bytes);

  if (read.items.size() > static_cast<std::size_t>(kMostItemsRead)) fuzz::breach("a read takes at most 99 items");
  const bool failed = read.outcome == FeedReadOutcome::CannotGet || read.outcome == FeedReadOutcome::ErrorReading;
  if (failed && !read.items.empty()) fuzz::breach("a document that cannot be walked gives no items");
  if (read.outcome == FeedReadOutcome::Read && read.items.empty()) fuzz::breach("a read that succeeds has items");
  if (read.outcome != FeedReadOutcome::CannotGet && !xmlPrologIsPlain(bytes))
    fuzz::breach("a document whose prolog is not plain is never loaded");
  std::size_t characters = 0;
  for (const FeedItem& item : read.items)
    characters += item.title.size() + item.link.size() + item.description.size() + item.pubDate.size();
  if (characters > kMostCharactersPerByte * size) fuzz::breach("no text is expanded beyond the bytes that spell it");
  if (document.documentElement()) fuzz::breach("the document is let go after the read");
  return 0;
}
