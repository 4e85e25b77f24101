// The look at a document's start that keeps every DTD away from the parsers.
#include "core/xml_prolog.h"

#include <gtest/gtest.h>

#include <string>

namespace tikora {
namespace {

std::string utf16(std::string_view ascii, bool bigEndian, bool mark) {
  std::string out = mark ? (bigEndian ? std::string("\xFE\xFF", 2) : std::string("\xFF\xFE", 2)) : std::string();
  for (char c : ascii) {
    if (bigEndian) out.push_back('\0');
    out.push_back(c);
    if (!bigEndian) out.push_back('\0');
  }
  return out;
}

TEST(XmlPrologTest, OnlyDeclarationsInstructionsCommentsAndBlanksMayComeBeforeTheElement) {
  struct Case {
    std::string bytes;
    bool plain;
  } cases[] = {
      {"<rss/>", true},
      {"<?xml version=\"1.0\"?>\r\n<!-- <!DOCTYPE x> -->\n<?pi x?>\t<rss>", true},
      {"\xEF\xBB\xBF<?xml version=\"1.0\"?><rss>", true},
      {"<?xml version=\"1.0\"?>\n<\xC3\xA9l\xC3\xA9ment/>", true},
      {utf16("<?xml version=\"1.0\"?><rss>", false, true), true},
      {utf16("<?xml version=\"1.0\"?><rss>", true, true), true},
      {utf16("<?xml version=\"1.0\"?><rss>", false, false), true},
      {utf16("<?xml version=\"1.0\"?><rss>", true, false), true},
      {"<?xml version=\"1.0\"?><!DOCTYPE rss><rss/>", false},
      {"<!-- first --><!doctype rss><rss/>", false},
      {utf16("<!DOCTYPE rss [<!ENTITY a \"b\">]><rss>", false, true), false},
      {utf16("<!DOCTYPE rss><rss>", true, false), false},
      {"<?xml version=\"1.0\" encoding=\"UTF-7\"?>+ADw-!DOCTYPE rss+AD4-<rss/>", false},
      {std::string("<\0\0\0r\0\0\0", 8), false},       // UTF-32
      {std::string("\xFF\xFE\0\0<\0\0\0", 8), false},  // UTF-32 with its mark
      {"\x4C\x6F\xA7\x94\x93", false},                 // EBCDIC "<?xml"
      {"<?xml version=\"1.0\"", false},                // cut in the declaration
      {"<!-- never closed <rss/>", false},
      {"text<rss/>", false},
      {"", false},
      {"   ", false},
  };
  for (const Case& c : cases) EXPECT_EQ(xmlPrologIsPlain(c.bytes), c.plain) << c.bytes;
}

}  // namespace
}  // namespace tikora
