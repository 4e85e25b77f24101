// The planner's items and the RSS channels as other programs, older versions or a damaged hive
// may have left them: any values, of any type and length, under the two list keys, loaded as
// the planner window and the control panel's channel list load them. Then one change each (an
// item or channel removed, or one added to an empty list) and the lists loaded again from what
// the change wrote. Promised: no more than 100 items and 50 channels, each a row; a loaded item
// stores again unchanged; after a change the key holds exactly the list, so nothing the user
// sees is lost or comes back.
//
// Input: the channel selector's stored choice + 1, the index of the entry to remove, then values:
// a slot (bit 7: the channel key, else the planner key; low bits: 0 the count value, 1 to 110
// the record of index slot - 1, past that a stray name), a type (fuzz::storedValue), a
// little-endian 16-bit length and the data.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "clock/control_panel_names.h"
#include "fuzz/fuzz_input.h"
#include "planner/planner_window_model.h"
#include "planner/planner_window_names.h"
#include "platform/fake/fake_clock.h"
#include "platform/fake/fake_code_page.h"
#include "platform/fake/fake_locale.h"
#include "platform/fake/fake_message_box.h"
#include "platform/fake/fake_registry.h"
#include "platform/fake/fake_text_metrics.h"
#include "rss/channel_list.h"
#include "tests/shared/rss_page.h"

namespace {

using namespace tikora;

constexpr int kRecordSlots = 110;

std::wstring valueName(int slot, std::wstring_view countName, std::wstring_view prefix) {
  if (slot == 0) return std::wstring(countName);
  if (slot <= kRecordSlots) return std::wstring(prefix) + std::to_wstring(slot - 1);
  return L"left" + std::to_wstring(slot);
}

void checkPlanner(FakeRegistry& registry, int removed) {
  const FakeAnsiCodePage codePage;
  const FakeClock clock;
  const FakeLocale locale;
  const FakeTextMetrics metrics;
  FakeMessageBox boxes;
  PlannerWindowModel window{PlannerWindowServices{registry, codePage, clock, locale, metrics, boxes}};
  const PlannerLoadReport report = window.create();
  const PlannerItems& items = window.items();
  if (report.loaded != items.count() || items.count() > kPlannerCapacity ||
      window.components()[kItemList].rows.size() != static_cast<std::size_t>(items.count()))
    fuzz::breach("at most 100 items load, each a row of the list");
  for (const PlannerRecord& record : items.records())
    if (asStored(record, codePage) != record) fuzz::breach("a loaded item stores again unchanged", record.title);
  if (items.count() > 0) {
    window.deleteItem(removed % items.count());
  } else {
    window.components()[kItemTitleEdit].text = L"Tea";
    window.onAddClicked();
  }
  PlannerItems again(registry, codePage);
  again.load();
  if (again.records() != items.records()) fuzz::breach("after a change the key holds the planner's items");
}

// The rows of a channel list: name and address of each.
std::vector<std::vector<std::wstring>> rowsOf(const ComponentTable& panel) {
  std::vector<std::vector<std::wstring>> rows;
  for (const ListRow& row : panel[kChannelListView].rows) rows.push_back(row.cells);
  return rows;
}

void checkChannels(FakeRegistry& registry, int choice, int removed) {
  const FakeAnsiCodePage codePage;
  FakeMessageBox boxes;
  ComponentTable panel{testing::rssPageComponents()};
  int storedChoice = choice;
  RssChannelList channels{ChannelListServices{panel, registry, codePage, boxes, {}, &storedChoice}};
  channels.load();
  channels.restoreSelection(choice);
  const ComponentState& selector = panel[kRssChannelList];
  if (channels.count() > kMaxChannels || selector.items.size() != static_cast<std::size_t>(channels.count()))
    fuzz::breach("at most 50 channels load, each a row and a selector item");
  if (selector.selected >= 0 && channels.selectedAddress() != channels.entry(selector.selected).addressText(codePage))
    fuzz::breach("the chosen channel's address is the one a read takes");
  if (channels.count() > 0) {
    panel[kChannelListView].selected = removed % channels.count();
    channels.onRemoveClicked();
  } else {
    panel[kChannelAddressEdit].text = L"https://news.example/rss";
    panel[kChannelNameEdit].text = L"News";
    channels.onAddClicked();
  }
  ComponentTable panelAgain{testing::rssPageComponents()};
  RssChannelList again{ChannelListServices{panelAgain, registry, codePage, boxes, {}, nullptr}};
  again.load();
  if (rowsOf(panelAgain) != rowsOf(panel)) fuzz::breach("after a change the key holds the channel list");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::ByteStream in({reinterpret_cast<const char*>(data), size});
  const int choice = in.byte() - 1;
  const int removed = in.byte();
  FakeRegistry registry;
  while (!in.done()) {
    const std::uint8_t slot = in.byte();
    const std::uint8_t type = in.byte();
    const std::string_view bytes = in.run(in.word());
    const bool channel = (slot & 0x80) != 0;
    registry.set(channel ? kChannelKeyPath : kPlannerKey,
                 channel ? valueName(slot & 0x7F, kChannelCountValue, kChannelValuePrefix)
                         : valueName(slot & 0x7F, kPlannerCountValue, L"Lista"),
                 fuzz::storedValue(type, bytes));
  }
  checkPlanner(registry, removed);
  checkChannels(registry, choice, removed);
  return 0;
}
