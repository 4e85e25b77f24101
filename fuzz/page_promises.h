// What the feed page promises, checked on the bytes written, independently of the sanitiser's own
// tokenizer: every check here reads the output the simple way a strict reader would, so a
// sanitiser fault cannot hide behind the same fault in its checker. Each check aborts on a breach
// (fuzz_input.h), naming the promise and the text that broke it.
#pragma once
#include <string_view>

#include "rss/feed_page.h"

namespace tikora::fuzz {

// Description mark-up as the sanitiser writes it, in UTF-8:
//   - every "<" opens a tag written in full: "<name>", "<name a=\"v\" ...>" or "</name>", names
//     in lower-case letters and digits, every value quoted, every "&" in it written as one of
//     the five references of escaped text;
//   - no element that runs script or pulls in another document (script, style, iframe, object,
//     embed, meta, base, form...), no event-handler attribute, no style attribute;
//   - no attribute that holds an address names javascript:, vbscript:, data: (or their kind),
//     however it is spelt: character references read, blanks and controls dropped, any case;
//   - every element it opens it closes, innermost first (the void elements excepted).
void checkSafeMarkup(std::string_view markup);

// A whole page file for `item` in `style`: the byte-order mark and the mark of the web first,
// valid UTF-8 without NUL, the page's own mark-up intact around the item's texts, the title and
// date escaped (and reading back as written, NULs aside), the link empty or an http, https or
// ftp address, the description safe mark-up as above, and the page's own script the only one.
void checkFeedPage(std::string_view page, const FeedItem& item, const FeedPageStyle& style);

}  // namespace tikora::fuzz
