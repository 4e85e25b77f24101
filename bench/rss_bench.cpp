// Budgets of the RSS reader (native build, optimised):
//   BM_ReadOneMegabyteFeed  loading and walking a 1 MB RSS 2.0 feed (99 items of long
//                           descriptions and padding) into the item table               <= 20 ms
//   BM_LayOutHeadlines      clearing the strip, making and chaining 99 headlines and the
//                           end marker (50 ms under Wine with GDI measuring)             <= 50 ms
#include <benchmark/benchmark.h>

#include "clock/settings.h"
#include "platform/fake/fake_shell.h"
#include "platform/fake/fake_sleeper.h"
#include "platform/fake/fake_text_metrics.h"
#include "platform/native/libxml_document.h"
#include "rss/feed_parse.h"
#include "rss/ticker_window_model.h"
#include "tests/shared/feed_cases.h"
#include "tests/shared/rss_page.h"

namespace tikora {
namespace {

void BM_ReadOneMegabyteFeed(benchmark::State& state) {
  const std::string feed = testing::makeFeed(99, 9000, 120000);
  LibXmlDocument document;
  for (auto _ : state) {
    const FeedItems read = readFeedDocument(document, feed);
    if (read.items.size() != 99) state.SkipWithError("the feed did not read");
    benchmark::DoNotOptimize(read.items.data());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * feed.size()));
}
BENCHMARK(BM_ReadOneMegabyteFeed)->Unit(benchmark::kMillisecond);

void BM_LayOutHeadlines(benchmark::State& state) {
  ComponentTable panel{testing::rssPageComponents()};
  Settings settings;
  FakeShell shell;
  FakeTextMetrics metrics;
  FakeSleeper sleeper;
  TickerWindowModel ticker{TickerServices{panel, settings, shell, metrics, sleeper}};
  ticker.layOut();
  std::vector<std::wstring> titles;
  for (int i = 0; i < 99; ++i) titles.push_back(L"A headline of a usual length, number " + std::to_wstring(i));
  for (auto _ : state) {
    ticker.clearHeadlines();
    for (int i = 0; i < 99; ++i) ticker.addHeadline(i, titles[static_cast<std::size_t>(i)]);
    ticker.finishHeadlines();
    benchmark::DoNotOptimize(ticker.scrollRange());
  }
}
BENCHMARK(BM_LayOutHeadlines)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tikora
