// The shared test feeds against the libxml2 document (the Win32 tests run the same set against
// MSXML), and the document's own limits: no DTD, no entity expansion, white space.
#include "platform/native/libxml_document.h"

#include <gtest/gtest.h>

#include <chrono>

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

TEST(FeedDocumentTest, OneHundredFiftyItemsGiveTheFirstNinetyNine) {
  LibXmlDocument document;
  const FeedItems read = readFeedDocument(document, testing::makeFeed(150));
  EXPECT_EQ(read.outcome, FeedReadOutcome::Read);
  ASSERT_EQ(read.items.size(), 99u);
  EXPECT_EQ(read.items.front().title, L"Item 0");
  EXPECT_EQ(read.items.back().title, L"Item 98");
  EXPECT_EQ(read.items.back().link, L"https://example.com/98");
  EXPECT_EQ(read.items.back().pubDate, L"Sat, 09 Mar 2024 10:00:00 GMT");
}

TEST(FeedDocumentTest, ADoctypeIsRefusedBeforeAnyOfItIsRead) {
  // A billion laughs nested deep enough to take gigabytes if anything expanded it.
  std::string bombs = "<?xml version=\"1.0\"?>\n<!DOCTYPE rss [\n<!ENTITY a0 \"laugh\">\n";
  for (int i = 1; i <= 40; ++i) {
    bombs += "<!ENTITY a" + std::to_string(i) + " \"";
    for (int j = 0; j < 16; ++j) bombs += "&a" + std::to_string(i - 1) + ";";
    bombs += "\">\n";
  }
  bombs += "]>\n<rss><channel><item><title>&a40;</title></item></channel></rss>\n";
  LibXmlDocument document;
  const auto began = std::chrono::steady_clock::now();
  EXPECT_FALSE(document.load(bombs));
  EXPECT_LT(std::chrono::steady_clock::now() - began, std::chrono::seconds(1));
  EXPECT_FALSE(document.documentElement());
  // An empty doctype is refused all the same: no DTD of any kind.
  EXPECT_FALSE(document.load("<!DOCTYPE rss><rss><channel/></rss>"));
  EXPECT_FALSE(document.load(""));
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
