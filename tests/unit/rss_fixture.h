// A test bench for the RSS reader: the control panel's "RSS Reader" page as a small component
// table, the live settings, the channel list, the ticker, the feed reader on the libxml2
// document, and every platform service as a fake.
#pragma once
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "clock/settings.h"
#include "clock/settings_store.h"
#include "core/component.h"
#include "platform/fake/fake_code_page.h"
#include "platform/fake/fake_feed_source.h"
#include "platform/fake/fake_message_box.h"
#include "platform/fake/fake_registry.h"
#include "platform/fake/fake_shell.h"
#include "platform/fake/fake_sleeper.h"
#include "platform/fake/fake_text_metrics.h"
#include "platform/native/libxml_document.h"
#include "rss/channel_list.h"
#include "rss/feed_reader.h"
#include "rss/ticker_window_model.h"
#include "tests/shared/rss_page.h"

namespace tikora::testing {

class RssBench : public ::testing::Test {
 protected:
  RssBench() {
    shell.screen = {1000, 800};
    shell.work = {0, 0, 1000, 760};
    settings.backgroundColour = 0x00102030;
    settings.digitColour = 0x0000FFFF;
    tickerWindow.layOut();
    panel[L"ScrollBar4"].maximum = 705;
  }

  // Chooses item `index` of the channel selector, as the user would.
  void chooseChannel(int index) {
    ComponentInput input;
    input.selected = index;
    panel.raise(L"ComboBox8", ComponentEvent::Change, input);
  }
  void addChannel(const std::wstring& address, const std::wstring& name) {
    panel[L"Edit2"].text = address;
    panel[L"Edit3"].text = name;
    panel.raise(L"Button3", ComponentEvent::Click);
  }
  // A read of `address` served with `bytes`, to its end.
  void readFeed(const std::wstring& address, std::string bytes) {
    feeds.serve(address, std::move(bytes));
    addChannel(address, L"Channel");
    chooseChannel(channels.count() - 1);
    panel.raise(L"Button4", ComponentEvent::Click);
    feeds.finish();
  }
  const ComponentState& ticker(std::wstring_view name) const { return tickerWindow.components()[name]; }

  ComponentTable panel{rssPageComponents()};
  Settings settings;
  FakeRegistry registry;
  FakeAnsiCodePage codePage;
  FakeMessageBox boxes;
  FakeShell shell;
  FakeTextMetrics metrics;
  FakeSleeper sleeper;
  FakeFeedSource feeds;
  LibXmlDocument document;
  RssChannelList channels{ChannelListServices{panel, registry, codePage, boxes, {}, &settings.rssChannel}};
  TickerWindowModel tickerWindow{TickerServices{panel, settings, shell, metrics, sleeper}};
  FeedReader reader{
      FeedReaderServices{panel, feeds, document, boxes, tickerWindow, [this] { return channels.selectedAddress(); }}};
};

}  // namespace tikora::testing
