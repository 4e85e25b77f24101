// A feed item as strangers write it (title, link, description and date, any text, and the
// ticker font's name, which the registry may hold as anything) written as the page file. The
// page's promises are checked on every input (page_promises.h): no script, event handler or
// script address gets through the sanitiser, the title and date are escaped, and the file starts
// with the byte-order mark and the mark of the web.
//
// Input: the five texts, separated by kFieldSeparator.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz/fuzz_input.h"
#include "fuzz/page_promises.h"
#include "rss/feed_page.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tikora;
  const std::vector<std::string_view> texts = fuzz::fields({reinterpret_cast<const char*>(data), size}, 5);
  const FeedItem item{fuzz::wideText(texts[0]), fuzz::wideText(texts[1]), fuzz::wideText(texts[2]),
                      fuzz::wideText(texts[3])};
  const FeedPageStyle style{0x00102030, 0x0000FFFF, 14, fuzz::wideText(texts[4])};
  const std::string page = feedPageBytes(item, style);
  fuzz::checkFeedPage(page, item, style);
  return 0;
}
