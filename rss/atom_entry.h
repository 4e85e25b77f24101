// An Atom 1.0 entry as a feed item:
//   title        the entry's title as text; a title given as HTML or XHTML shows its words only
//   link         the href of the first link with rel="alternate", else of the first link
//                without rel
//   description  summary, else content, as HTML for the page: text escaped, HTML as it is,
//                XHTML's mark-up written out as HTML (the page's sanitiser goes over all three)
//   pubDate      updated, else published, as written
// A title, summary or content of type text or html that holds more than text makes the entry
// unreadable, as an RSS item's fields do.
#pragma once
#include <optional>

#include "platform/xml_document.h"
#include "rss/feed_item.h"

namespace tikora {

std::optional<FeedItem> readAtomEntry(XmlDocument& document, XmlNode entry);

}  // namespace tikora
