// The RSS channel list on the control panel's "RSS Reader" page: up to 50 channels, each a feed
// address with the user's own name for it, kept under `Tikora\Data_` (`lista_r` = count - 1 and
// one 152-byte `Lista_<index>` record per channel), shown as the rows of `ListView1` and the
// items of the channel selector `ComboBox8`, and the selected address a read uses.
//
// The list is written through at every add and remove, in the order that never loses a
// channel (clock/registry_record_list.h): a failed write leaves at worst a removed channel stored,
// and the next add or remove writes the whole list again.
//
// It works on the panel's own components, by name: `Edit2` (address), `Edit3` (name), `Button3`
// (add), `Button2` (remove), `ListView1` (the rows), `ComboBox8` (the selector). The constructor
// registers its handlers on them. Entry i of the record array is row i and selector item i.
#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "clock/registry_record_list.h"
#include "core/component.h"
#include "platform/code_page.h"
#include "platform/message_box.h"
#include "platform/registry.h"
#include "rss/channel_record.h"

namespace tikora {

inline constexpr std::wstring_view kChannelKeyPath = L"Tikora\\Data_";
inline constexpr std::wstring_view kChannelCountValue = L"lista_r";
inline constexpr std::wstring_view kChannelValuePrefix = L"Lista_";
inline constexpr int kMaxChannels = 50;
// The RSS picture of the control panel's image list, shown at the start of every row.
inline constexpr int kChannelRowImage = 2;
// What the selector shows while no channel is chosen.
inline constexpr std::wstring_view kChannelSelectorPrompt = L"Select RSS Channel";
// The public feed the messages and the hint above the address field give as an example: a
// long-lived news feed whose short headlines read well on the ticker.
inline constexpr std::wstring_view kExampleFeedAddress = L"https://feeds.bbci.co.uk/news/rss.xml";

// "Add" with an empty address field (46 underscores) and with an empty name field (45).
std::wstring addressRequiredMessage();
std::wstring nameRequiredMessage();

// "Lista_" and the index in decimal.
std::wstring channelValueName(int index);
// A selector item: the 1-based position, ". " and the name.
std::wstring channelSelectorItem(int position, std::wstring_view name);

struct ChannelListServices {
  ComponentTable& panel;
  Registry& registry;
  const AnsiCodePage& codePage;
  MessageBoxService& messageBoxes;
  // The window that owns the boxes, by name (the control panel); none when empty.
  std::wstring_view messageBoxOwner = {};
  // Where the selector's choice is kept for the settings save (`rssChannel`); the list sets it when
  // it chooses for the user (no channel after a removal). None when null.
  int* storedChoice = nullptr;
};

class RssChannelList {
 public:
  // Sets the fields' limits, disables "Remove" and registers the handlers.
  explicit RssChannelList(ChannelListServices services);
  RssChannelList(const RssChannelList&) = delete;
  RssChannelList& operator=(const RssChannelList&) = delete;

  // The control panel's creation: reads the stored list, if any, into the rows and the
  // selector. A registry failure ends the load; what was read stays; nothing is told.
  void load();
  // Once the list is loaded: the selector's index from `rssChannel`, and the selected address from
  // that entry; an index that is no item chooses nothing and leaves the address as it is.
  void restoreSelection(int index);

  void onAddClicked();        // "Add RSS Address Channel to The List"
  void onRemoveClicked();     // "Select Position and Remove From The List"
  void onChannelChosen();     // a channel chosen in the selector
  void onSelectionChanged();  // the row selection changed, or the list was clicked

  int count() const;
  const ChannelRecord& entry(int index) const { return entries_.at(static_cast<std::size_t>(index)); }
  // The address a read uses; empty until one is chosen, and again once the chosen channel is
  // removed. Removing another channel keeps the choice (the selector itself then shows none).
  const std::wstring& selectedAddress() const { return selectedAddress_; }

 private:
  void appendRow(int position, std::wstring name, std::wstring address);
  void showNoChoice();
  void select(int index);
  void tell(std::wstring text);
  // Writes the list from entry `changedFrom` on (all of it after a store that failed).
  bool store(std::size_t changedFrom);

  ChannelListServices s_;
  RegistryRecordList store_;
  std::array<ChannelRecord, kMaxChannels> entries_{};
  std::wstring selectedAddress_;
  int selectedEntry_ = -1;  // the entry whose address that is; -1 for none
};

}  // namespace tikora
