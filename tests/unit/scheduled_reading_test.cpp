// Scheduled reading: the reads at each interval, the one counter carried across options and
// standing still on "OFF", a read while "Read RSS Channel" is disabled, failures shown as a
// manual read's, and a read that falls due while another is loading.
#include "rss/scheduled_reading.h"
#include "clock/settings_schema.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/shared/feed_cases.h"
#include "tests/unit/rss_fixture.h"

namespace tikora {
namespace {

constexpr wchar_t kFeed[] = L"https://feeds.example/scheduled";

class ScheduledReadingTest : public testing::RssBench {
 protected:
  // The channel the reads get, chosen in the list.
  void chooseFeed() {
    feeds.serve(kFeed, testing::makeFeed(2));
    addChannel(kFeed, L"Scheduled");
    chooseChannel(0);
  }
  // Chooses an option by its settings value, as its radio button does.
  void choose(bool Settings::*option) { ASSERT_TRUE(selectRadioButton(settings, option)); }
  // Runs `count` second ticks; every fetch started is answered at once. Gives the ticks (from
  // 1) at which a read started.
  std::vector<int> run(int count) {
    std::vector<int> reads;
    for (int i = 1; i <= count; ++i) {
      const std::size_t before = feeds.started().size();
      scheduled.tick();
      if (feeds.started().size() > before) {
        reads.push_back(ticks_ + i);
        feeds.finish();
      }
    }
    ticks_ += count;
    return reads;
  }

  ScheduledReading scheduled{settings, reader};

 private:
  int ticks_ = 0;
};

TEST_F(ScheduledReadingTest, EachOptionReadsEveryIntervalFromTheStart) {
  chooseFeed();
  struct Case {
    bool Settings::*option;
    std::vector<int> reads;  // within the first 4 hours and a second
  };
  const Case cases[] = {
      {&Settings::rssEvery15Minutes,
       {900, 1800, 2700, 3600, 4500, 5400, 6300, 7200, 8100, 9000, 9900, 10800, 11700, 12600, 13500, 14400}},
      {&Settings::rssEvery30Minutes, {1800, 3600, 5400, 7200, 9000, 10800, 12600, 14400}},
      {&Settings::rssEveryHour, {3600, 7200, 10800, 14400}},
      {&Settings::rssEvery2Hours, {7200, 14400}},
      {&Settings::rssEvery4Hours, {14400}},
      {&Settings::rssScheduleOff, {}},
  };
  for (const Case& c : cases) {
    ScheduledReading fresh{settings, reader};
    choose(c.option);
    std::vector<int> reads;
    for (int second = 1; second <= 14401; ++second) {
      const std::size_t before = feeds.started().size();
      fresh.tick();
      if (feeds.started().size() > before) {
        reads.push_back(second);
        feeds.finish();
      }
    }
    EXPECT_EQ(reads, c.reads) << c.option;
  }
}

TEST_F(ScheduledReadingTest, OneCounterServesEveryOptionAndStandsStillOnOff) {
  chooseFeed();
  choose(&Settings::rssEveryHour);  // 1h
  EXPECT_EQ(run(2000), std::vector<int>{});
  choose(&Settings::rssScheduleOff);  // OFF
  EXPECT_EQ(run(5000), std::vector<int>{});
  EXPECT_EQ(scheduled.counter(), 2000);
  choose(&Settings::rssEvery15Minutes);  // 15min: 2001 is past 900
  EXPECT_EQ(run(901), (std::vector<int>{7001, 7901}));
  EXPECT_EQ(scheduled.counter(), 0);
  choose(&Settings::rssEvery30Minutes);  // 30min carries on from 0
  EXPECT_EQ(run(1800), std::vector<int>{9701});
}

TEST_F(ScheduledReadingTest, ReadsWhileTheTickerOfAnEarlierReadIsOnScreen) {
  chooseFeed();
  choose(&Settings::rssEvery15Minutes);
  run(900);
  ASSERT_TRUE(tickerWindow.components().window().state.visible);
  ASSERT_FALSE(panel[L"Button4"].enabled);
  tickerWindow.onScrollTick();
  feeds.serve(kFeed, testing::makeFeed(3));
  EXPECT_EQ(run(900), std::vector<int>{1800});
  EXPECT_EQ(tickerWindow.headlineCount(), 3) << "the new read's headlines replace the old";
  EXPECT_EQ(tickerWindow.scrollPosition(), 0);
  EXPECT_TRUE(boxes.shown().empty());
}

TEST_F(ScheduledReadingTest, FailuresShowAsAManualReadsOncePerInterval) {
  ASSERT_EQ(channels.selectedAddress(), L"") << "no channel chosen";
  choose(&Settings::rssEvery15Minutes);
  run(2700);
  EXPECT_EQ(boxes.texts(), std::vector<std::wstring>(3, feedReadMessage(FeedReadOutcome::SelectionRequired)));
  EXPECT_EQ(boxes.shown().at(0).caption, L"Tikora");
}

// No channel chosen, a night long: the first read's box waits for its OK while the second tick
// runs on inside it. Only that one box is ever on screen; the reads that fall due meanwhile are
// skipped, and "Read RSS Channel" asks for nothing while the box is there.
TEST_F(ScheduledReadingTest, OneBoxAtATimeWhileReadsFallDueBehindIt) {
  choose(&Settings::rssEvery15Minutes);
  std::size_t fetchesWhileShown = 0;
  boxes.whileShown = [&](const MessageBoxRequest&) {
    const std::size_t before = feeds.started().size();
    run(12 * 900);
    panel.raise(L"Button4", ComponentEvent::Click);
    fetchesWhileShown = feeds.started().size() - before;
  };
  run(900);
  EXPECT_EQ(boxes.texts(), std::vector<std::wstring>{feedReadMessage(FeedReadOutcome::SelectionRequired)});
  EXPECT_EQ(fetchesWhileShown, 0u);
  // Once it is answered, the schedule goes on: the next read one interval after the last skip.
  boxes.whileShown = nullptr;
  EXPECT_EQ(run(900), std::vector<int>{900 + 12 * 900 + 900});
  EXPECT_EQ(boxes.shown().size(), 2u);
}

TEST_F(ScheduledReadingTest, AReadDueWhileOneLoadsWaitsForItsEnd) {
  chooseFeed();
  choose(&Settings::rssEvery15Minutes);
  run(899);
  panel.raise(L"Button4", ComponentEvent::Click);  // a manual read that takes its time
  ASSERT_TRUE(reader.loading());
  for (int i = 0; i < 30; ++i) scheduled.tick();
  EXPECT_EQ(feeds.started().size(), 1u) << "no second fetch behind the first";
  feeds.finish();
  scheduled.tick();
  EXPECT_EQ(feeds.started().size(), 2u) << "the waiting read starts at the next tick";
  EXPECT_EQ(scheduled.counter(), 0);
  feeds.finish();
  EXPECT_TRUE(boxes.shown().empty());
}

}  // namespace
}  // namespace tikora
