// The RSS channel list; see channel_list.h.
#include "rss/channel_list.h"

#include <utility>

#include "clock/control_panel_names.h"
#include "clock/program_identity.h"

namespace tikora {

std::wstring addressRequiredMessage() {
  return L" RSS channel address is required, please  enter\r"
         L"   the address of an RSS channel.\r"
         L"   Example of an RSS address:\r"
         L"   " +
         std::wstring(kExampleFeedAddress) + L"\r" + std::wstring(46, L'_');
}

std::wstring nameRequiredMessage() {
  return L" In order to better navigate the RSS channels,\r"
         L"    please, enter your own name\r"
         L"    for this RRS channel.\r" +
         std::wstring(45, L'_');
}

std::wstring channelValueName(int index) { return std::wstring(kChannelValuePrefix) + std::to_wstring(index); }

std::wstring channelSelectorItem(int position, std::wstring_view name) {
  return std::to_wstring(position) + L". " + std::wstring(name);
}

RssChannelList::RssChannelList(ChannelListServices services)
    : s_(services), store_(services.registry, {kChannelKeyPath, kChannelCountValue, kChannelValuePrefix}) {
  ComponentTable& panel = s_.panel;
  panel[kChannelAddressEdit].textLimit = static_cast<int>(kChannelAddressCapacity);
  panel[kChannelNameEdit].textLimit = static_cast<int>(kChannelNameCapacity);
  panel[kRemoveChannelButton].enabled = false;
  showNoChoice();
  panel.on(kAddChannelButton, ComponentEvent::Click, [this] { onAddClicked(); });
  panel.on(kRemoveChannelButton, ComponentEvent::Click, [this] { onRemoveClicked(); });
  panel.on(kRssChannelList, ComponentEvent::Change, [this] { onChannelChosen(); });
  panel.on(kChannelListView, ComponentEvent::Change, [this] { onSelectionChanged(); });
  panel.on(kChannelListView, ComponentEvent::Click, [this] { onSelectionChanged(); });
}

int RssChannelList::count() const { return static_cast<int>(s_.panel[kChannelListView].rows.size()); }

void RssChannelList::appendRow(int position, std::wstring name, std::wstring address) {
  ListRow row;
  row.cells = {std::to_wstring(position), std::move(name), std::move(address)};
  row.image = kChannelRowImage;
  s_.panel[kChannelListView].rows.push_back(std::move(row));
}

void RssChannelList::showNoChoice() {
  ComponentState& selector = s_.panel[kRssChannelList];
  selector.selected = -1;
  selector.text = std::wstring(kChannelSelectorPrompt);
  if (s_.storedChoice) *s_.storedChoice = -1;
}

void RssChannelList::tell(std::wstring text) {
  (void)s_.messageBoxes.show(plainMessageBox(std::move(text), s_.messageBoxOwner));
}

void RssChannelList::load() {
  const StoredRecords stored = store_.load(kMaxChannels, kChannelRecordSize);
  for (std::size_t i = 0; i < stored.records.size(); ++i) {
    ChannelRecord& entry = entries_[i];
    entry = ChannelRecord::fromBytes(
        std::span<const std::uint8_t, kChannelRecordSize>(stored.records[i].data(), kChannelRecordSize));
    const std::wstring name = entry.nameText(s_.codePage);
    appendRow(static_cast<int>(i) + 1, name, entry.addressText(s_.codePage));
    s_.panel[kRssChannelList].items.push_back(channelSelectorItem(static_cast<int>(i) + 1, name));
  }
}

void RssChannelList::restoreSelection(int index) {
  ComponentState& selector = s_.panel[kRssChannelList];
  if (index < 0 || index >= static_cast<int>(selector.items.size()) || index >= kMaxChannels) {
    showNoChoice();
    return;
  }
  selector.selected = index;
  selector.text = selector.items[static_cast<std::size_t>(index)];
  select(index);
}

void RssChannelList::select(int index) {
  selectedEntry_ = index;
  selectedAddress_ = entries_[static_cast<std::size_t>(index)].addressText(s_.codePage);
}

void RssChannelList::onAddClicked() {
  const std::wstring address = s_.panel[kChannelAddressEdit].text;
  const std::wstring name = s_.panel[kChannelNameEdit].text;
  if (address.empty()) {
    tell(addressRequiredMessage());
    return;
  }
  if (name.empty()) {
    tell(nameRequiredMessage());
    return;
  }
  if (count() >= kMaxChannels) return;
  const int n = count() + 1;
  appendRow(n, name, address);
  s_.panel[kRssChannelList].items.push_back(channelSelectorItem(n, name));
  ChannelRecord& entry = entries_[static_cast<std::size_t>(n - 1)];
  entry.setAddress(address, s_.codePage);
  entry.setName(name, s_.codePage);
  // Written through at once; a failure leaves the row for this run only.
  (void)store(static_cast<std::size_t>(n - 1));
}

void RssChannelList::onRemoveClicked() {
  ComponentState& rows = s_.panel[kChannelListView];
  const int removed = rows.selected;
  if (removed < 0 || removed >= count()) return;
  rows.rows.erase(rows.rows.begin() + removed);
  rows.selected = -1;
  s_.panel[kRemoveChannelButton].enabled = false;
  s_.panel[kRssChannelList].items.clear();
  showNoChoice();
  // The chosen channel removed is read no more; another removed, the choice follows its channel.
  if (selectedEntry_ == removed) {
    selectedEntry_ = -1;
    selectedAddress_.clear();
  } else if (selectedEntry_ > removed) {
    --selectedEntry_;
  }
  const int left = count();
  // The remaining rows, top to bottom, become entries 0 .. left - 1, and the rows and the
  // selector are made again from them; the store is rewritten without gaps.
  for (int i = 0; i < left; ++i) {
    const ListRow& row = rows.rows[static_cast<std::size_t>(i)];
    ChannelRecord& entry = entries_[static_cast<std::size_t>(i)];
    entry.setName(row.cells.at(1), s_.codePage);
    entry.setAddress(row.cells.at(2), s_.codePage);
  }
  rows.rows.clear();
  std::vector<std::wstring>& items = s_.panel[kRssChannelList].items;
  for (int i = 0; i < left; ++i) {
    const ChannelRecord& entry = entries_[static_cast<std::size_t>(i)];
    appendRow(i + 1, entry.nameText(s_.codePage), entry.addressText(s_.codePage));
    items.push_back(channelSelectorItem(i + 1, entry.nameText(s_.codePage)));
  }
  (void)store(static_cast<std::size_t>(removed));
}

bool RssChannelList::store(std::size_t changedFrom) {
  return store_.store(static_cast<std::size_t>(count()), changedFrom, [this](std::size_t index) {
    const auto bytes = entries_[index].bytes();
    return std::vector<std::uint8_t>(bytes.begin(), bytes.end());
  });
}

void RssChannelList::onChannelChosen() {
  const int index = s_.panel[kRssChannelList].selected;
  if (index < 0 || index >= kMaxChannels || index >= count()) return;
  select(index);
}

void RssChannelList::onSelectionChanged() {
  const ComponentState& rows = s_.panel[kChannelListView];
  s_.panel[kRemoveChannelButton].enabled = rows.selected >= 0 && rows.selected < count();
}

}  // namespace tikora
