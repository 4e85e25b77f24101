// A test bench for the RSS reader: the control panel's "RSS Reader" page as a small component
// table, the live settings, the channel list, the ticker, the feed reader on the libxml2
// document, and every platform service as a fake.
#pragma once
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/settings.h"
#include "app/settings_store.h"
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

namespace tikora::testing {

// The page's components as the control panel lays them out: the lists filled, the scroll bars
// at their layout positions.
inline std::vector<Component> rssPageComponents() {
  using K = ComponentKind;
  std::vector<Component> page;
  auto add = [&](const wchar_t* name, K kind) -> ComponentState& {
    page.push_back(makeComponent(name, kind, L"TabSheet3"));
    return page.back().state;
  };
  add(L"Edit2", K::Edit);
  add(L"Edit3", K::Edit);
  add(L"Button3", K::Button).text = L"Add RSS Address Channel to The List";
  add(L"Button2", K::Button).text = L"Select Position and Remove From The List";
  add(L"ListView1", K::ListView);
  add(L"ComboBox8", K::ComboBox);
  add(L"Button4", K::Button).text = L"Read RSS Channel";
  add(L"Button6", K::Button).text = L"Stop Read ";
  add(L"ComboBox9", K::FontList).text = L"Arial";
  ComponentState& styles = add(L"ComboBox10", K::ComboBox);
  styles.items = {L"Normal", L"Italic", L"Bold", L"Italic Bold"};
  styles.selected = 0;
  styles.text = L"Normal";
  ComponentState& sizes = add(L"ComboBox11", K::EditableComboBox);
  sizes.items = {L"10", L"12", L"14", L"16", L"18"};
  sizes.selected = 3;
  sizes.text = L"16";
  add(L"ScrollBar4", K::ScrollBar);
  ComponentState& step = add(L"ScrollBar5", K::ScrollBar);
  step.minimum = 2;
  step.maximum = 60;
  step.position = 30;
  ComponentState& speed = add(L"ScrollBar6", K::ScrollBar);
  speed.minimum = 1;
  speed.maximum = 1000;
  speed.position = 150;
  return page;
}

class RssBench : public ::testing::Test {
 protected:
  RssBench() {
    shell.screen = {1000, 800};
    shell.work = {0, 0, 1000, 760};
    settings.col_bg = 0x00102030;
    settings.col_fo = 0x0000FFFF;
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
  RssChannelList channels{ChannelListServices{panel, registry, codePage, boxes}};
  TickerWindowModel tickerWindow{TickerServices{panel, settings, shell, metrics, sleeper}};
  FeedReader reader{FeedReaderServices{panel, feeds, document, boxes, tickerWindow,
                                       [this] { return channels.selectedAddress(); }}};
};

}  // namespace tikora::testing
