// A feed read ("Read RSS Channel", `Button4`, and the scheduled reading): the selected address
// is fetched off the GUI thread; when its bytes arrive, the rest of the read runs on the GUI
// thread in order: the headline strip is cleared, the document loaded and walked into the item
// table (at most 99 of its 100 slots) and the headlines, and the ticker started, or the read's
// message shown.
//
// One read at a time: a read asked for while one is loading is ignored (Read gives
// AlreadyLoading), so a scheduled reading never piles fetches up behind a slow server. Nor is
// a read started while the message of the last one waits for its OK (MessageOnScreen): the box
// is modal, but the second tick runs on inside it, and a night of scheduled reads with the
// network down would otherwise stack one box inside the other.
#pragma once
#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "core/component.h"
#include "platform/feed_source.h"
#include "platform/message_box.h"
#include "platform/xml_document.h"
#include "rss/feed_parse.h"
#include "rss/ticker_window_model.h"

namespace tikora {

struct FeedReaderServices {
  ComponentTable& panel;  // the control panel: "Read RSS Channel" (Button4)
  FeedSource& feeds;
  XmlDocument& document;
  MessageBoxService& messageBoxes;
  TickerWindowModel& ticker;
  std::function<std::wstring()> selectedAddress;
  // The window that owns the boxes, by name (the control panel); none when empty.
  std::wstring_view messageBoxOwner = {};
};

enum class ReadStart { Started, AlreadyLoading, MessageOnScreen };

class FeedReader {
 public:
  // Registers Read on "Read RSS Channel".
  explicit FeedReader(FeedReaderServices services);
  // A fetch under way is dropped: its answer never comes back.
  ~FeedReader();
  FeedReader(const FeedReader&) = delete;
  FeedReader& operator=(const FeedReader&) = delete;

  ReadStart Read();
  bool loading() const { return loading_; }
  // Whether the message of the last read is on screen, waiting for its OK.
  bool messageOnScreen() const { return messageOnScreen_; }

  // The item table of the last read: entry i belongs to headline i.
  const std::array<FeedItem, kItemSlots>& items() const { return items_; }
  int itemCount() const { return count_; }
  // How the last read that finished ended.
  FeedReadOutcome lastOutcome() const { return lastOutcome_; }

  // Runs after every read that finished, with its outcome (after its message, if any).
  std::function<void(FeedReadOutcome)> onReadFinished;

 private:
  void fetched(const FeedFetch& fetch);

  FeedReaderServices s_;
  std::array<FeedItem, kItemSlots> items_{};
  int count_ = 0;
  bool loading_ = false;
  bool messageOnScreen_ = false;
  std::wstring address_;
  FeedReadOutcome lastOutcome_ = FeedReadOutcome::Read;
};

}  // namespace tikora
