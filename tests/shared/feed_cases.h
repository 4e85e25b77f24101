// The shared set of test feeds (files in tests/data/feeds, and feeds made here) with what
// reading each must give. The native unit tests run it against the libxml2 document and the
// Win32 tests against MSXML: both must give exactly these results.
#pragma once
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "rss/feed_parse.h"

namespace tikora::testing {

struct FeedCase {
  const char* file;
  FeedReadOutcome outcome;
  std::vector<FeedItem> items;  // every item read, in order
};

inline FeedItem item(std::wstring title, std::wstring link, std::wstring description, std::wstring pubDate = {}) {
  return FeedItem{std::move(title), std::move(link), std::move(description), std::move(pubDate)};
}

inline std::vector<FeedCase> feedCases() {
  using O = FeedReadOutcome;
  const FeedItem encoded = item(L"", L"https://example.com/e", L"");
  auto encodedAs = [&](std::wstring title) {
    FeedItem made = encoded;
    made.title = title;
    made.description = title;
    return std::vector<FeedItem>{made};
  };
  return {
      {"rss2_items.xml",
       O::Read,
       {item(L"First & foremost \u00e9t\u00e9", L"https://example.com/1", L"Plain text, kept  as   written.",
             L"Sat, 09 Mar 2024 10:00:00 GMT"),
        item(L"No date", L"https://example.com/2", L"An item without a pubDate."),
        item(L"No link", L"", L"<p>Markup <b>kept</b> whole</p>\n<p>over two lines &amp; more</p>",
             L"Sun, 10 Mar 2024 08:30:00 GMT"),
        item(L"", L"", L"", L"Mon, 11 Mar 2024")}},
      {"rss2_trailing_elements.xml",
       O::Read,
       {item(L"Only item", L"https://example.com/only", L"d"),
        item(L"Search", L"https://example.com/search", L"Search the site"), item(L"", L"", L"")}},
      {"rss2_child_element.xml", O::NotReadable, {item(L"Good", L"https://example.com/good", L"fine")}},
      {"rss2_bad_pubdate.xml", O::Read, {item(L"Odd date", L"https://example.com/a", L"d", L"")}},
      {"rss2_comment_between_items.xml",
       O::Read,
       {item(L"Before", L"https://example.com/a", L"a"), item(L"After", L"https://example.com/b", L"b")}},
      {"rss2_mixed_title.xml", O::NotReadable, {}},
      {"rss1_rdf.xml",
       O::Read,
       {item(L"One", L"https://example.com/1", L"", L"2024-03-09T10:00:00+01:00"),
        item(L"Two & more", L"https://example.com/2", L"<p>Second</p>")}},
      {"rss1_without_items.xml", O::NotReadable, {}},
      {"atom.xml", O::Read, {item(L"Entry", L"https://example.com/1", L"s")}},
      {"atom_links_and_dates.xml",
       O::Read,
       {item(L"Alternate after others", L"https://example.com/alternate", L"Less &lt;than&gt; &amp; more",
             L"2024-03-09T10:00:00Z"),
        item(L"Bold & new line", L"https://example.com/first-without-rel", L"<p>Content as <b>HTML</b></p>",
             L"2024-03-08T07:00:00Z"),
        item(L"Self only", L"", L"Content &lt;as&gt; text"), item(L"No link, no date", L"", L"")}},
      {"atom_xhtml.xml",
       O::Read,
       {item(L"An XHTML title", L"https://example.com/x",
             L"<p class=\"lead\" title=\"a &quot;quote&quot;\">Hello <b>bold</b> <i>world</i> &amp; more"
             L"<br></br>next <span m:note=\"x\" lang=\"en\">line</span></p>"
             L"<script>alert(1)</script><a href=\"javascript:alert(2)\">link</a> 1 &lt; 2",
             L"2024-03-11T12:00:00Z"),
        item(L"Summary over content", L"", L"<p>Summary</p>")}},
      {"atom_not_readable.xml", O::NotReadable, {item(L"Fine", L"https://example.com/fine", L"ok")}},
      {"atom_without_entries.xml", O::NotReadable, {}},
      {"atom_0_3.xml", O::NotReadable, {}},
      {"root_without_children.xml", O::ErrorReading, {}},
      {"not_well_formed.xml", O::CannotGet, {}},
      {"undeclared_entity.xml", O::CannotGet, {}},
      {"not_xml.html", O::CannotGet, {}},
      {"billion_laughs.xml", O::CannotGet, {}},
      {"external_entity.xml", O::CannotGet, {}},
      {"external_dtd.xml", O::CannotGet, {}},
      {"unknown_encoding.xml", O::CannotGet, {}},
      {"utf16le_bom.xml", O::Read, encodedAs(L"Gr\u00fc\u00dfe \u2013 \u00fcn\u00efc\u00f6d\u00e9 \u2713")},
      {"utf16be_bom.xml", O::Read, encodedAs(L"Gr\u00fc\u00dfe \u2013 \u00fcn\u00efc\u00f6d\u00e9 \u2713")},
      {"iso-8859-1.xml", O::Read, encodedAs(L"Caf\u00e9, na\u00efve, se\u00f1or, \u00bd \u00a3")},
      {"windows-1250.xml", O::Read,
       encodedAs(L"Za\u017c\u00f3\u0142\u0107 g\u0119\u015bl\u0105 ja\u017a\u0144 \u2013 "
                 L"P\u0159\u00edli\u0161 \u017elu\u0165ou\u010dk\u00fd k\u016f\u0148")},
      {"windows-1251.xml", O::Read,
       encodedAs(
           L"\u0421\u044a\u0435\u0448\u044c \u0436\u0435 \u0435\u0449\u0451 \u044d\u0442\u0438\u0445 "
           L"\u043c\u044f\u0433\u043a\u0438\u0445 \u0444\u0440\u0430\u043d\u0446\u0443\u0437\u0441\u043a\u0438\u0445 "
           L"\u0431\u0443\u043b\u043e\u043a")},
      {"utf8_beyond_ansi.xml", O::Read,
       encodedAs(L"\u6771\u4eac \u2013 \u0395\u03bb\u03bb\u03b7\u03bd\u03b9\u03ba\u03ac \u2013 \U0001F600")},
  };
}

inline std::string readFeedFile(const std::string& folder, const std::string& file) {
  std::ifstream in(folder + "/" + file, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// An RSS 2.0 feed of `count` items: item i has the title "Item i", the link
// "https://example.com/i", a description of `descriptionBytes` letters and a pubDate; then
// `paddingBytes` of comment after the channel.
inline std::string makeFeed(int count, std::size_t descriptionBytes = 20, std::size_t paddingBytes = 0) {
  std::ostringstream out;
  out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<rss version=\"2.0\">\n<channel>\n"
         "<title>Made</title><link>https://example.com/</link><description>made</description>\n";
  const std::string description(descriptionBytes, 'x');
  for (int i = 0; i < count; ++i) {
    out << "<item><title>Item " << i << "</title><link>https://example.com/" << i << "</link><description>"
        << description << "</description><pubDate>Sat, 09 Mar 2024 10:00:00 GMT</pubDate></item>\n";
  }
  out << "</channel>\n";
  if (paddingBytes > 0) out << "<!--" << std::string(paddingBytes, ' ') << "-->\n";
  out << "</rss>\n";
  return out.str();
}

}  // namespace tikora::testing
