// MSXML 6 reading the shared test feeds: the same results as the native document gives, the
// same limits (no DTD, no entity expansion), and a large feed (its reading time is recorded).
#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>

#include "platform/win32/win32_xml_document.h"
#include "rss/feed_parse.h"
#include "tests/shared/feed_cases.h"
#include "tests/win32/figures.h"

namespace tikora {
namespace {

TEST(Win32FeedDocumentTest, EverySharedFeedReadsAsTheNativeDocumentReadsIt) {
  Win32XmlDocument document;
  for (const testing::FeedCase& c : testing::feedCases()) {
    const std::string bytes = testing::readFeedFile(TIKORA_FEEDS_DIR, c.file);
    ASSERT_FALSE(bytes.empty()) << c.file;
    const FeedItems read = readFeedDocument(document, bytes);
    EXPECT_EQ(read.outcome, c.outcome) << c.file;
    EXPECT_EQ(read.items, c.items) << c.file;
  }
}

TEST(Win32FeedDocumentTest, AOneMegabyteFeedReadsAllItsItems) {
  Win32XmlDocument document;
  const std::string feed = testing::makeFeed(99, 9000, 120000);
  ASSERT_GT(feed.size(), 1000000u);
  double best = 1e9;
  for (int run = 0; run < 5; ++run) {
    const auto began = std::chrono::steady_clock::now();
    const FeedItems read = readFeedDocument(document, feed);
    const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - began).count();
    ASSERT_EQ(read.items.size(), 99u);
    best = std::min(best, ms);
  }
  testing::recordFigure("msxml_one_megabyte_feed_ms", best);
}

}  // namespace
}  // namespace tikora
