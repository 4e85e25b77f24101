// The page the page view shows for one feed item: its date in a box at the top right, its title
// as a link to the full story, its description and a footer line, in the clock's background and
// digit colours and the ticker's font. The page is written to "ht.htm" in the user's temporary
// internet files folder and shown from there.
//
// The page's own mark-up is fixed, piece by piece; the feed's texts go in made safe (see
// html_sanitiser.h). The file is UTF-8 with a byte order mark and says so, and its first line
// is the mark of the web for the Internet zone, so the browser gives a page made of a
// stranger's texts the Internet's rights, not the local machine's.
#pragma once
#include <string>
#include <string_view>

#include "core/colour.h"
#include "rss/feed_parse.h"

namespace tikora {

inline constexpr std::wstring_view kFeedPageFileName = L"ht.htm";
// What comes before the page's own mark-up: the mark of the web and the encoding.
inline constexpr std::wstring_view kFeedPagePreamble =
    L"<!-- saved from url=(0014)about:internet -->\r\n"
    L"<meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\">\r\n";

struct FeedPageStyle {
  Colour background = 0;  // the clock background
  Colour text = 0;        // the digit colour
  int fontPoints = 16;    // the ticker's font size
  std::wstring fontName;  // the ticker's font
};

// "#rrggbb", two lower-case hexadecimal digits a component, red first.
std::wstring htmlColour(Colour colour);
// The page's font size for the ticker's: 10 "2", 12 "3", 14 "4", 18 "5", any other "".
std::wstring htmlFontSize(int points);

// The page as text: the preamble, then the page's pieces with the item's texts.
std::wstring feedPageText(const FeedItem& item, const FeedPageStyle& style);
// The page file's bytes: a UTF-8 byte order mark and the page text in UTF-8.
std::string feedPageBytes(const FeedItem& item, const FeedPageStyle& style);

// The page file in `folder` (a path without a trailing backslash), and the address the browser
// is sent to: "file:///" and the path, its backslashes left as they are.
std::wstring feedPagePath(std::wstring_view folder);
std::wstring feedPageAddress(std::wstring_view folder);

}  // namespace tikora
