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
