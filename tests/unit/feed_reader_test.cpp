// A feed read from "Read RSS Channel" to the ticker: the item table and the headlines, each
// message's exact text, what a failure leaves behind, and a read asked for while one loads.
#include "rss/feed_reader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/shared/feed_cases.h"
#include "tests/unit/rss_fixture.h"

namespace tikora {
namespace {

const std::wstring kSelectionRequired =
    L" Selection is Required\r   Please, Select Proper RSS Channel.\r"
    L"___________________________________";
const std::wstring kCannotGet =
    L"Cannot Get This RSS Channel\r   Please, Check Internet Connection\r"
    L" or Try Get This Channel again later.\r___________________________________";
const std::wstring kErrorReading =
    L"Error Reading Rss Channel\r   Please, Read one More Time\r"
    L" or Try Get This Channel again later.\r___________________________________";
const std::wstring kNotReadable =
    L"Selected Rss Channel is not Readable\r   Use Feed Validation Service\r"
    L"    to make sure that document has no errors\r___________________________________";

class FeedReaderTest : public testing::RssBench {
 protected:
  std::string feedFile(const char* name) const { return testing::readFeedFile(TIKORA_FEEDS_DIR, name); }
  bool tickerShown() const { return ticker(L"TForm5").visible; }
  int visibleHeadlines() const {
    int shown = 0;
    for (int i = 0; i < kHeadlineSlots; ++i) shown += ticker(headlineName(i)).visible;
    return shown;
  }
};

TEST_F(FeedReaderTest, AChannelAddedAndReadScrollsItsNinetyNineHeadlinesAndFadesOut) {
  panel[L"ScrollBar4"].position = 200;
  readFeed(L"https://news.example/rss", testing::makeFeed(150));

  EXPECT_TRUE(boxes.shown().empty());
  EXPECT_EQ(reader.lastOutcome(), FeedReadOutcome::Read);
  ASSERT_EQ(reader.itemCount(), 99);
  EXPECT_EQ(reader.items()[98].title, L"Item 98");
  EXPECT_EQ(reader.items()[98].link, L"https://example.com/98");
  EXPECT_EQ(reader.items()[99], FeedItem{});
  EXPECT_EQ(visibleHeadlines(), 99);
  EXPECT_EQ(ticker(L"Headline0").text, L"    0. Item 0     ");
  EXPECT_EQ(ticker(L"Headline98").text, L"    98. Item 98     ");
  EXPECT_FALSE(ticker(L"Headline99").visible);
  EXPECT_TRUE(ticker(L"EndMarker").visible);
  EXPECT_TRUE(tickerShown());
  EXPECT_EQ(ticker(L"TForm5").alpha, 255);
  EXPECT_EQ(ticker(L"TForm5").bounds.top, 200);
  EXPECT_FALSE(panel[L"Button4"].enabled);
  EXPECT_TRUE(tickerWindow.scrollTimer().enabled());

  int ticks = 0;
  while (tickerShown() && ticks < 100000) {
    tickerWindow.components().tick(L"Timer1");
    ++ticks;
  }
  const int end = tickerWindow.scrollRange() - 1000;
  EXPECT_EQ(ticks, (end + 29) / 30);
  EXPECT_FALSE(tickerShown());
  EXPECT_TRUE(panel[L"Button4"].enabled);
}

TEST_F(FeedReaderTest, EachFailureShowsItsMessageAndNoTicker) {
  struct Case {
    const char* feed;  // a file, or nullptr for a network failure
    bool selectChannel;
    std::wstring message;
    FeedReadOutcome outcome;
  } cases[] = {
      {"rss2_items.xml", false, kSelectionRequired, FeedReadOutcome::SelectionRequired},
      {nullptr, true, kCannotGet, FeedReadOutcome::CannotGet},
      {"not_well_formed.xml", true, kCannotGet, FeedReadOutcome::CannotGet},
      {"billion_laughs.xml", true, kCannotGet, FeedReadOutcome::CannotGet},
      {"root_without_children.xml", true, kErrorReading, FeedReadOutcome::ErrorReading},
      {"atom_0_3.xml", true, kNotReadable, FeedReadOutcome::NotReadable},
      {"rss1_without_items.xml", true, kNotReadable, FeedReadOutcome::NotReadable},
  };
  for (const Case& c : cases) {
    boxes.clear();
    const std::wstring address = L"https://feeds.example/" + std::to_wstring(feeds.started().size());
    if (c.feed) feeds.serve(address, feedFile(c.feed));
    if (c.selectChannel) {
      addChannel(address, L"Feed");
      chooseChannel(channels.count() - 1);
    }
    ASSERT_EQ(reader.Read(), ReadStart::Started);
    feeds.finish();
    EXPECT_EQ(boxes.texts(), std::vector<std::wstring>{c.message}) << (c.feed ? c.feed : "network");
    EXPECT_EQ(boxes.shown().at(0).caption, L"Tikora");
    EXPECT_EQ(reader.lastOutcome(), c.outcome);
    EXPECT_EQ(reader.itemCount(), 0);
    EXPECT_FALSE(tickerShown());
    EXPECT_TRUE(panel[L"Button4"].enabled);
  }
  // A feed past the size limit is refused as one that cannot be got.
  boxes.clear();
  feeds.serve(L"https://feeds.example/huge", std::string(kFeedSizeLimit + 1, ' '));
  addChannel(L"https://feeds.example/huge", L"Huge");
  chooseChannel(channels.count() - 1);
  (void)reader.Read();
  feeds.finish();
  EXPECT_EQ(boxes.texts(), std::vector<std::wstring>{kCannotGet});
}

TEST_F(FeedReaderTest, AFaultAfterSomeItemsKeepsTheirHeadlinesButShowsNoTicker) {
  readFeed(L"https://feeds.example/child", feedFile("rss2_child_element.xml"));
  EXPECT_EQ(boxes.texts(), std::vector<std::wstring>{kNotReadable});
  EXPECT_EQ(reader.itemCount(), 1);
  EXPECT_EQ(visibleHeadlines(), 1);
  EXPECT_EQ(ticker(L"Headline0").text, L"    0. Good     ");
  EXPECT_FALSE(ticker(L"EndMarker").visible);
  EXPECT_FALSE(tickerShown());
}

TEST_F(FeedReaderTest, AReadAskedForWhileOneLoadsIsIgnored) {
  readFeed(L"https://feeds.example/first", feedFile("rss2_items.xml"));
  ASSERT_TRUE(tickerShown());
  feeds.serve(L"https://feeds.example/second", testing::makeFeed(2));
  addChannel(L"https://feeds.example/second", L"Second");
  chooseChannel(1);
  EXPECT_EQ(reader.Read(), ReadStart::Started);
  EXPECT_TRUE(reader.loading());
  EXPECT_EQ(reader.Read(), ReadStart::AlreadyLoading);
  panel.raise(L"Button4", ComponentEvent::Click);
  EXPECT_EQ(feeds.started().size(), 2u) << "one fetch for the two asked for";
  // While the second loads, the first's headlines scroll on.
  EXPECT_EQ(visibleHeadlines(), 4);
  tickerWindow.components().tick(L"Timer1");
  EXPECT_EQ(tickerWindow.scrollPosition(), 30);

  // Its answer replaces them and fades the ticker in again from full transparency.
  std::vector<std::optional<int>> alphas;
  sleeper.onPause = [&](std::uint32_t) { alphas.push_back(ticker(L"TForm5").alpha); };
  feeds.finish();
  EXPECT_FALSE(reader.loading());
  EXPECT_EQ(visibleHeadlines(), 2);
  EXPECT_EQ(tickerWindow.scrollPosition(), 0);
  ASSERT_FALSE(alphas.empty());
  EXPECT_EQ(alphas.front(), 0);
  EXPECT_EQ(ticker(L"TForm5").alpha, 255);

  // A failed read while the ticker is on screen leaves it there with an empty strip.
  chooseChannel(0);
  feeds.fail(L"https://feeds.example/first", FeedFetchStatus::TimedOut);
  EXPECT_EQ(reader.Read(), ReadStart::Started);
  feeds.finish();
  EXPECT_EQ(boxes.texts(), std::vector<std::wstring>{kCannotGet});
  EXPECT_TRUE(tickerShown());
  EXPECT_EQ(visibleHeadlines(), 0);
  EXPECT_TRUE(tickerWindow.scrollTimer().enabled());
}

TEST_F(FeedReaderTest, AReaderGoneBeforeItsAnswerDropsTheFetch) {
  {
    FeedReader early{FeedReaderServices{panel, feeds, document, boxes, tickerWindow,
                                        [] { return std::wstring(L"https://feeds.example/x"); }}};
    ASSERT_EQ(early.Read(), ReadStart::Started);
  }
  EXPECT_FALSE(feeds.busy());
  EXPECT_FALSE(feeds.finish());
}

}  // namespace
}  // namespace tikora
