// The shared test feeds against the libxml2 document (the Win32 tests run the same set against
// MSXML), and the node rules: white-space text is no node, everything else is.
#include "platform/native/libxml_document.h"

#include <gtest/gtest.h>

#include "rss/feed_parse.h"
#include "tests/shared/feed_cases.h"

namespace tikora {
namespace {

TEST(FeedDocumentTest, EverySharedFeedReadsAsExpected) {
  LibXmlDocument document;
  for (const testing::FeedCase& c : testing::feedCases()) {
    const std::string bytes = testing::readFeedFile(TIKORA_FEEDS_DIR, c.file);
    ASSERT_FALSE(bytes.empty()) << c.file;
    const FeedItems read = readFeedDocument(document, bytes);
    EXPECT_EQ(read.outcome, c.outcome) << c.file;
    EXPECT_EQ(read.items, c.items) << c.file;
  }
}

// RSS 1.0 and Atom stop at 99 items as RSS 2.0 does.
TEST(FeedDocumentTest, EveryKindOfFeedGivesNinetyNineItemsAtMost) {
  const std::pair<std::string, std::string> kinds[] = {
      {"<feed xmlns=\"http://www.w3.org/2005/Atom\"><title>t</title>", "</feed>"},
      {"<rdf:RDF xmlns:rdf=\"http://www.w3.org/1999/02/22-rdf-syntax-ns#\" xmlns=\"http://purl.org/rss/1.0/\">"
       "<channel/>",
       "</rdf:RDF>"},
  };
  LibXmlDocument document;
  for (const auto& [start, end] : kinds) {
    std::string feed = start;
    const std::string item = start.starts_with("<feed") ? "entry" : "item";
    for (int i = 0; i < 150; ++i) feed += "<" + item + "><title>" + std::to_string(i) + "</title></" + item + ">";
    const FeedItems read = readFeedDocument(document, feed + end);
    EXPECT_EQ(read.outcome, FeedReadOutcome::Read) << item;
    ASSERT_EQ(read.items.size(), 99u) << item;
    EXPECT_EQ(read.items.back().title, L"98") << item;
  }
}

TEST(FeedDocumentTest, NodesSkipWhiteSpaceButCountEverythingElse) {
  LibXmlDocument document;
  ASSERT_TRUE(document.load("<a>\n  <!--c-->\n  <b>x</b>\n  text\n  <?pi data?><b>y</b></a>"));
  const XmlNode root = document.documentElement();
  const XmlNode comment = document.firstChild(root);
  ASSERT_TRUE(comment);
  EXPECT_FALSE(document.childText(comment, L"b")) << "only an element has named children";
  const XmlNode b = document.nextSibling(comment);
  EXPECT_EQ(*document.childText(b, L"none"), L"");
  const XmlNode text = document.nextSibling(b);
  const XmlNode pi = document.nextSibling(text);
  const XmlNode lastB = document.nextSibling(pi);
  ASSERT_TRUE(lastB);
  EXPECT_FALSE(document.nextSibling(lastB));
  EXPECT_FALSE(document.firstChildElement(root, L"B")) << "names compare exactly";
  EXPECT_EQ(*document.childText(root, L"b"), L"x") << "the first child of that name";
  EXPECT_EQ(*document.childText(root, L"missing"), L"");
  document.release();
  EXPECT_FALSE(document.documentElement());
}

}  // namespace
}  // namespace tikora
