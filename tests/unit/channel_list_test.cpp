// The RSS channel list: the 152-byte record, add and remove with their messages and the registry
// they leave, the load with its limits, and the selector and the selected address.
#include "rss/channel_list.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "clock/control_panel_layout.h"
#include "tests/unit/rss_fixture.h"

namespace tikora {
namespace {

using Bytes = std::vector<std::uint8_t>;

// A record as the bytes spell it: both fields from `address` and `name` as single bytes, the
// rest of the 152 bytes from `under` (what the slot held before), zeros by default.
Bytes record(const std::string& address, const std::string& name, Bytes under = Bytes(152, 0)) {
  under[0] = static_cast<std::uint8_t>(address.size());
  std::memcpy(under.data() + 1, address.data(), address.size());
  under[101] = static_cast<std::uint8_t>(name.size());
  std::memcpy(under.data() + 102, name.data(), name.size());
  return under;
}

// A double-byte code page for the cut: characters above 0xFF take two bytes.
class DoubleByteCodePage : public AnsiCodePage {
 public:
  std::string toAnsi(std::wstring_view text) const override {
    std::string out;
    for (wchar_t c : text) {
      if (c < 0x100) {
        out.push_back(static_cast<char>(c));
      } else {
        out.push_back(static_cast<char>(0x80 | ((c >> 8) & 0x7F)));
        out.push_back(static_cast<char>(c & 0xFF));
      }
    }
    return out;
  }
  std::wstring fromAnsi(std::string_view bytes) const override {
    std::wstring out;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
      const auto b = static_cast<unsigned char>(bytes[i]);
      if (b >= 0x80 && i + 1 < bytes.size()) {
        out.push_back(static_cast<wchar_t>(((b & 0x7F) << 8) | static_cast<unsigned char>(bytes[++i])));
      } else {
        out.push_back(static_cast<wchar_t>(b));
      }
    }
    return out;
  }
};

TEST(ChannelRecordTest, IsLaidOutByteForByteAndKeepsTheBytesPastEachLength) {
  FakeAnsiCodePage cp;
  ChannelRecord channel;
  channel.setAddress(L"https://example.com/a-long-feed-address.xml", cp);
  channel.setName(L"Caf\u00e9 \u20ac \u6771", cp);  // e-acute and euro in Windows-1252; the kanji is not
  const auto first = channel.bytes();
  EXPECT_EQ(Bytes(first.begin(), first.end()), record("https://example.com/a-long-feed-address.xml", "Caf\xE9 \x80 ?"));

  channel.setAddress(L"http://b.example/", cp);
  const auto second = channel.bytes();
  Bytes expected = record("https://example.com/a-long-feed-address.xml", "Caf\xE9 \x80 ?");
  expected = record("http://b.example/", "Caf\xE9 \x80 ?", expected);
  EXPECT_EQ(Bytes(second.begin(), second.end()), expected) << "the older address's tail stays";
  EXPECT_EQ(channel.addressText(cp), L"http://b.example/");
  EXPECT_EQ(channel.nameText(cp), L"Caf\u00e9 \u20ac ?");

  const ChannelRecord back = ChannelRecord::fromBytes(second);
  EXPECT_EQ(back, channel);

  // Lengths past the capacity (a damaged value) read as the capacity, never beyond the field.
  auto damaged = second;
  damaged[0] = 255;
  damaged[101] = 200;
  const ChannelRecord clamped = ChannelRecord::fromBytes(damaged);
  EXPECT_EQ(clamped.addressLength, 100);
  EXPECT_EQ(clamped.nameLength, 50);
}

TEST(ChannelRecordTest, CutsToTheCapacityWithoutSplittingADoubleByteCharacter) {
  const DoubleByteCodePage cp;
  struct Case {
    std::wstring text;
    std::size_t capacity;
    std::size_t bytes;
  } cases[] = {
      {std::wstring(50, L'n'), 50, 50},              // exactly the capacity: whole
      {std::wstring(51, L'n'), 50, 50},              // one more: cut
      {L"a" + std::wstring(25, L'\u3042'), 50, 49},  // the 25th double-byte one would split
      {std::wstring(50, L'\u3042'), 100, 100},
      {L"ab" + std::wstring(50, L'\u3042'), 100, 100},
      {L"abc" + std::wstring(50, L'\u3042'), 100, 99},
  };
  for (const Case& c : cases) {
    const std::string cut = ansiCut(c.text, c.capacity, cp);
    EXPECT_EQ(cut.size(), c.bytes) << c.text.size();
    EXPECT_EQ(cp.fromAnsi(cut), c.text.substr(0, cp.fromAnsi(cut).size())) << "whole characters only";
  }
}

class ChannelListTest : public testing::RssBench {
 protected:
  std::vector<std::wstring> rowTexts() const {
    std::vector<std::wstring> texts;
    for (const ListRow& row : panel[L"ListView1"].rows) {
      EXPECT_EQ(row.image, kChannelRowImage);
      texts.push_back(row.cells.at(0) + L"|" + row.cells.at(1) + L"|" + row.cells.at(2));
    }
    return texts;
  }
  Bytes stored(int index) const {
    const auto value = registry.value(kChannelKeyPath, channelValueName(index));
    return value ? value->bytes : Bytes{};
  }
  std::optional<std::uint32_t> storedCount() const {
    const auto value = registry.value(kChannelKeyPath, kChannelCountValue);
    if (!value) return std::nullopt;
    return value->dword;
  }
  void selectRow(int row) {
    ComponentInput input;
    input.selected = row;
    panel.raise(L"ListView1", ComponentEvent::Change, input);
  }
  void storeChannels(int last, int present) {
    registry.setDword(kChannelKeyPath, kChannelCountValue, static_cast<std::uint32_t>(last));
    for (int i = 0; i < present; ++i) {
      const std::string n = std::to_string(i);
      registry.setBinary(kChannelKeyPath, channelValueName(i), record("https://f.example/" + n, "Feed " + n));
    }
  }
};

TEST_F(ChannelListTest, AddingToAnEmptyListShowsRowOneAndStoresIndexZero) {
  EXPECT_FALSE(panel[L"Button2"].enabled);
  EXPECT_EQ(panel[L"ComboBox8"].text, L"Select RSS Channel");
  EXPECT_EQ(panel[L"Edit2"].textLimit, 100);
  EXPECT_EQ(panel[L"Edit3"].textLimit, 50);

  addChannel(L"https://news.example/rss", L"News");
  EXPECT_EQ(rowTexts(), std::vector<std::wstring>{L"1|News|https://news.example/rss"});
  EXPECT_EQ(panel[L"ComboBox8"].items, std::vector<std::wstring>{L"1. News"});
  EXPECT_EQ(storedCount(), 0u);
  EXPECT_EQ(stored(0), record("https://news.example/rss", "News"));
  EXPECT_EQ(panel[L"Edit2"].text, L"https://news.example/rss") << "the fields keep their text";
  EXPECT_EQ(panel[L"Edit3"].text, L"News");
  EXPECT_TRUE(boxes.shown().empty());
  EXPECT_EQ(channels.selectedAddress(), L"") << "adding chooses nothing";
}

TEST_F(ChannelListTest, AddWithAnEmptyFieldTellsWhichAndChangesNothing) {
  const std::wstring addressRequired =
      L" RSS channel address is required, please  enter\r"
      L"   the address of an RSS channel.\r"
      L"   Example of an RSS address:\r"
      L"   https://feeds.bbci.co.uk/news/rss.xml\r"
      L"______________________________________________";  // 46
  const std::wstring nameRequired =
      L" In order to better navigate the RSS channels,\r"
      L"    please, enter your own name\r"
      L"    for this RRS channel.\r"
      L"_____________________________________________";  // 45
  addChannel(L"", L"News");
  addChannel(L"https://news.example/rss", L"");
  addChannel(L"", L"");
  EXPECT_EQ(boxes.texts(), (std::vector<std::wstring>{addressRequired, nameRequired, addressRequired}));
  for (const MessageBoxRequest& box : boxes.shown()) {
    EXPECT_EQ(box.caption, L"Tikora");
    EXPECT_EQ(box.buttons, MessageBoxButtons::Ok);
  }
  EXPECT_TRUE(panel[L"ListView1"].rows.empty());
  EXPECT_TRUE(registry.changes().empty());

  // The hint above the address field gives the same public feed.
  const ComponentTable page{controlPanelComponents(metrics)};
  EXPECT_EQ(page[L"Label40"].text, L"(example RSS address:  https://feeds.bbci.co.uk/news/rss.xml )");
}

TEST_F(ChannelListTest, TheFiftyFirstAddIsIgnoredSilently) {
  for (int i = 1; i <= 50; ++i) addChannel(L"https://f.example/" + std::to_wstring(i), L"F" + std::to_wstring(i));
  EXPECT_EQ(channels.count(), 50);
  EXPECT_EQ(storedCount(), 49u);
  registry.clearChanges();
  addChannel(L"https://f.example/51", L"F51");
  EXPECT_EQ(channels.count(), 50);
  EXPECT_EQ(panel[L"ComboBox8"].items.size(), 50u);
  EXPECT_TRUE(registry.changes().empty());
  EXPECT_TRUE(boxes.shown().empty());
}

TEST_F(ChannelListTest, AFailedWriteKeepsTheRowForThisRun) {
  registry.failCreate(kChannelKeyPath);
  addChannel(L"https://news.example/rss", L"News");
  EXPECT_EQ(channels.count(), 1);
  EXPECT_FALSE(registry.hasKey(kChannelKeyPath));
  EXPECT_TRUE(boxes.shown().empty());
}

TEST_F(ChannelListTest, RemovingRowTwoOfThreeRewritesTheStoreWithoutGaps) {
  addChannel(L"https://a.example/rss", L"A");
  addChannel(L"https://b.example/a-longer-address/rss.xml", L"Bee");
  addChannel(L"https://c.example/rss", L"C");
  chooseChannel(1);
  EXPECT_EQ(channels.selectedAddress(), L"https://b.example/a-longer-address/rss.xml");
  settings.rssChannel = 1;  // as the control panel keeps the choice

  selectRow(1);
  EXPECT_TRUE(panel[L"Button2"].enabled);
  panel.raise(L"Button2", ComponentEvent::Click);

  EXPECT_EQ(rowTexts(), (std::vector<std::wstring>{L"1|A|https://a.example/rss", L"2|C|https://c.example/rss"}));
  EXPECT_EQ(panel[L"ComboBox8"].items, (std::vector<std::wstring>{L"1. A", L"2. C"}));
  EXPECT_EQ(panel[L"ComboBox8"].selected, -1);
  EXPECT_EQ(panel[L"ComboBox8"].text, L"Select RSS Channel");
  EXPECT_EQ(settings.rssChannel, -1) << "a save keeps no choice, and the panel shows none";
  EXPECT_EQ(panel[L"ListView1"].selected, -1);
  EXPECT_FALSE(panel[L"Button2"].enabled);
  EXPECT_EQ(channels.selectedAddress(), L"") << "the removed channel is no longer read";

  std::vector<std::wstring> values = registry.valueNamesOf(kChannelKeyPath);
  std::sort(values.begin(), values.end());
  EXPECT_EQ(values, (std::vector<std::wstring>{L"Lista_0", L"Lista_1", L"lista_r"}));
  EXPECT_EQ(storedCount(), 1u);
  EXPECT_EQ(stored(0), record("https://a.example/rss", "A"));
  // Slot 1 held "Bee" and its longer address: the record is written whole, old tail included.
  EXPECT_EQ(stored(1),
            record("https://c.example/rss", "C", record("https://b.example/a-longer-address/rss.xml", "Bee")));
}

// Removing the chosen channel leaves no address to read; removing another one keeps the choice,
// wherever that channel has moved, until it is removed in turn.
TEST_F(ChannelListTest, RemovingTheChosenChannelLeavesNothingToRead) {
  struct Case {
    bool chosenAtStart;            // restored from `rssChannel` rather than picked
    std::vector<int> removedRows;  // one after another, with channel B (row 1) chosen first
    const wchar_t* address;
  };
  const Case cases[] = {
      {false, {1}, L""},
      {true, {1}, L""},
      {false, {0}, L"https://b.example/rss"},
      {false, {2}, L"https://b.example/rss"},
      {false, {2, 0}, L"https://b.example/rss"},
      {false, {0, 0}, L""},
      {false, {2, 1}, L""},
  };
  for (const Case& c : cases) {
    registry.setDword(kChannelKeyPath, kChannelCountValue, 2);
    for (const char* name : {"a", "b", "c"})
      registry.setBinary(kChannelKeyPath, channelValueName(name[0] - 'a'),
                         record(std::string("https://") + name + ".example/rss", name));
    ComponentTable page{testing::rssPageComponents()};
    RssChannelList list{ChannelListServices{page, registry, codePage, boxes}};
    list.load();
    if (c.chosenAtStart) {
      list.restoreSelection(1);
    } else {
      ComponentInput choice;
      choice.selected = 1;
      page.raise(L"ComboBox8", ComponentEvent::Change, choice);
    }
    for (const int row : c.removedRows) {
      ComponentInput input;
      input.selected = row;
      page.raise(L"ListView1", ComponentEvent::Change, input);
      page.raise(L"Button2", ComponentEvent::Click);
    }
    EXPECT_EQ(list.selectedAddress(), c.address) << ::testing::PrintToString(c.removedRows);
  }
  // The next read of a removed choice asks for a channel.
  addChannel(L"https://a.example/rss", L"A");
  chooseChannel(0);
  selectRow(0);
  panel.raise(L"Button2", ComponentEvent::Click);
  panel.raise(L"Button4", ComponentEvent::Click);
  feeds.finish();
  EXPECT_EQ(boxes.texts(), std::vector<std::wstring>{feedReadMessage(FeedReadOutcome::SelectionRequired)});
}

TEST_F(ChannelListTest, RemovingTheOnlyChannelDeletesTheKeySoTheNextStartIsEmpty) {
  addChannel(L"https://a.example/rss", L"A");
  selectRow(0);
  panel.raise(L"Button2", ComponentEvent::Click);
  EXPECT_EQ(channels.count(), 0);
  EXPECT_FALSE(registry.hasKey(kChannelKeyPath));

  ComponentTable nextPanel{testing::rssPageComponents()};
  RssChannelList next{ChannelListServices{nextPanel, registry, codePage, boxes}};
  next.load();
  EXPECT_TRUE(nextPanel[L"ListView1"].rows.empty());
}

// A registry write that fails at any step of an add or a remove loses no channel at the next
// start (a removed one may come back, nothing else goes), and the next add or remove writes the
// whole list again: the key then holds exactly the rows.
TEST_F(ChannelListTest, AFailedWriteLosesNoChannelAndTheNextChangeRepairsTheStore) {
  enum Step { AddD, RemoveB, RemoveOnly, AddE, RemoveFirst };
  struct Case {
    Step change;
    std::size_t failingWrite;  // the n-th value write or deletion of the change; 0: none
    bool keyFails;             // creating (or, for RemoveOnly, deleting) the key fails
    std::vector<std::wstring> loadedAfter;
    Step repair;
    std::vector<std::wstring> repaired;
  };
  using Names = std::vector<std::wstring>;
  const Case cases[] = {
      {AddD, 1, false, Names{L"A", L"B", L"C"}, AddE, Names{L"A", L"B", L"C", L"D", L"E"}},
      {AddD, 2, false, Names{L"A", L"B", L"C"}, AddE, Names{L"A", L"B", L"C", L"D", L"E"}},
      {AddD, 0, true, Names{L"A", L"B", L"C"}, RemoveFirst, Names{L"B", L"C", L"D"}},
      {RemoveB, 1, false, Names{L"A", L"B", L"C"}, AddE, Names{L"A", L"C", L"E"}},
      {RemoveB, 2, false, Names{L"A", L"C", L"C"}, AddE, Names{L"A", L"C", L"E"}},
      {RemoveB, 3, false, Names{L"A", L"C"}, RemoveFirst, Names{L"C"}},
      {RemoveB, 0, true, Names{L"A", L"B", L"C"}, AddE, Names{L"A", L"C", L"E"}},
      {RemoveOnly, 0, true, Names{L"A"}, AddE, Names{L"E"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << "change " << c.change << ", write " << c.failingWrite << ", key "
                                      << c.keyFails);
    (void)registry.deleteKeyTree(kChannelKeyPath);
    ComponentTable page{testing::rssPageComponents()};
    RssChannelList list{ChannelListServices{page, registry, codePage, boxes}};
    const auto add = [&](const wchar_t* name) {
      page[L"Edit2"].text = std::wstring(L"https://") + name + L".example/rss";
      page[L"Edit3"].text = name;
      page.raise(L"Button3", ComponentEvent::Click);
    };
    const auto run = [&](Step step) {
      if (step == AddD || step == AddE) return add(step == AddD ? L"D" : L"E");
      ComponentInput row;
      row.selected = step == RemoveB ? 1 : 0;
      page.raise(L"ListView1", ComponentEvent::Change, row);
      page.raise(L"Button2", ComponentEvent::Click);
    };
    const auto loaded = [&] {
      ComponentTable next{testing::rssPageComponents()};
      RssChannelList nextStart{ChannelListServices{next, registry, codePage, boxes}};
      nextStart.load();
      Names names;
      for (int i = 0; i < nextStart.count(); ++i) names.push_back(nextStart.entry(i).nameText(codePage));
      return names;
    };
    for (const wchar_t* name : c.change == RemoveOnly ? std::vector{L"A"} : std::vector{L"A", L"B", L"C"}) add(name);
    registry.failWriteAttempt(c.failingWrite);
    if (c.keyFails && c.change == RemoveOnly) registry.failDeleteKeyTree(kChannelKeyPath);
    if (c.keyFails && c.change != RemoveOnly) registry.failCreate(kChannelKeyPath);
    run(c.change);
    registry.clearFaults();
    EXPECT_EQ(loaded(), c.loadedAfter) << "the next start after the failure";

    run(c.repair);
    EXPECT_EQ(loaded(), c.repaired);
    Names values;
    for (int i = 0; i < static_cast<int>(c.repaired.size()); ++i) values.push_back(channelValueName(i));
    Names stored = registry.valueNamesOf(kChannelKeyPath);
    std::erase(stored, std::wstring(kChannelCountValue));
    std::sort(stored.begin(), stored.end());
    EXPECT_EQ(stored, values) << "nothing past the end";
    EXPECT_EQ(storedCount(), c.repaired.size() - 1);
  }
}

TEST_F(ChannelListTest, RemoveActsOnlyOnASelectedRow) {
  addChannel(L"https://a.example/rss", L"A");
  selectRow(0);
  EXPECT_TRUE(panel[L"Button2"].enabled);
  ComponentInput none;
  none.selected = -1;
  panel.raise(L"ListView1", ComponentEvent::Click, none);
  EXPECT_FALSE(panel[L"Button2"].enabled) << "a click that leaves no row selected";
  registry.clearChanges();
  panel.raise(L"Button2", ComponentEvent::Click);
  EXPECT_EQ(channels.count(), 1);
  EXPECT_TRUE(registry.changes().empty());
}

TEST_F(ChannelListTest, LoadReadsUpToFiftyEntriesAndStopsAtTheFirstMissingValue) {
  struct Case {
    int last;
    int present;
    int rows;
  } cases[] = {{70, 71, 50}, {5, 3, 3}, {2, 3, 3}, {-1, 3, 0}};
  for (const Case& c : cases) {
    (void)registry.deleteKeyTree(kChannelKeyPath);
    storeChannels(c.last, c.present);
    ComponentTable page{testing::rssPageComponents()};
    RssChannelList list{ChannelListServices{page, registry, codePage, boxes}};
    list.load();
    EXPECT_EQ(list.count(), c.rows) << c.last;
    EXPECT_EQ(page[L"ComboBox8"].items.size(), static_cast<std::size_t>(c.rows));
  }
  // No count value: nothing at all.
  registry.removeValue(kChannelKeyPath, kChannelCountValue);
  channels.load();
  EXPECT_EQ(channels.count(), 0);
}

TEST_F(ChannelListTest, LoadShowsStoredTextsAndRestoresTheChoiceFromTheSetting) {
  storeChannels(2, 3);
  registry.setBinary(kChannelKeyPath, L"Lista_1", record("https://f.example/1", "Caf\xE9"));
  channels.load();
  EXPECT_EQ(rowTexts(), (std::vector<std::wstring>{L"1|Feed 0|https://f.example/0", L"2|Caf\u00e9|https://f.example/1",
                                                   L"3|Feed 2|https://f.example/2"}));
  EXPECT_EQ(panel[L"ComboBox8"].items, (std::vector<std::wstring>{L"1. Feed 0", L"2. Caf\u00e9", L"3. Feed 2"}));

  channels.restoreSelection(3);
  EXPECT_EQ(panel[L"ComboBox8"].selected, -1);
  EXPECT_EQ(panel[L"ComboBox8"].text, L"Select RSS Channel");
  EXPECT_EQ(channels.selectedAddress(), L"");
  channels.restoreSelection(2);
  EXPECT_EQ(panel[L"ComboBox8"].selected, 2);
  EXPECT_EQ(panel[L"ComboBox8"].text, L"3. Feed 2");
  EXPECT_EQ(channels.selectedAddress(), L"https://f.example/2");
  chooseChannel(0);
  EXPECT_EQ(channels.selectedAddress(), L"https://f.example/0");
}

}  // namespace
}  // namespace tikora
