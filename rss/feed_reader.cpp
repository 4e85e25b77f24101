// A feed read; see feed_reader.h.
#include "rss/feed_reader.h"

#include "clock/control_panel_names.h"
#include "clock/program_identity.h"

namespace tikora {

FeedReader::FeedReader(FeedReaderServices services) : s_(std::move(services)) {
  s_.panel.on(kReadRssButton, ComponentEvent::Click, [this] { Read(); });
}

FeedReader::~FeedReader() {
  if (loading_) s_.feeds.cancel();
}

ReadStart FeedReader::Read() {
  if (loading_) return ReadStart::AlreadyLoading;
  if (messageOnScreen_) return ReadStart::MessageOnScreen;
  address_ = s_.selectedAddress ? s_.selectedAddress() : std::wstring();
  if (!s_.feeds.start(address_, [this](FeedFetch fetch) { fetched(fetch); })) return ReadStart::AlreadyLoading;
  loading_ = true;
  return ReadStart::Started;
}

void FeedReader::fetched(const FeedFetch& fetch) {
  loading_ = false;
  s_.ticker.clearHeadlines();
  count_ = 0;
  FeedItems read;
  if (!fetch.loaded()) {
    read.outcome = address_.empty() ? FeedReadOutcome::SelectionRequired : FeedReadOutcome::CannotGet;
  } else {
    read = readFeedDocument(s_.document, fetch.bytes);
  }
  for (FeedItem& item : read.items) {
    s_.ticker.addHeadline(count_, item.title);
    items_[static_cast<std::size_t>(count_)] = std::move(item);
    ++count_;
  }
  lastOutcome_ = read.outcome;
  if (read.outcome != FeedReadOutcome::Read) {
    messageOnScreen_ = true;
    (void)s_.messageBoxes.show(plainMessageBox(feedReadMessage(read.outcome), s_.messageBoxOwner));
    messageOnScreen_ = false;
  } else {
    s_.ticker.finishHeadlines();
    s_.ticker.start();
  }
  if (onReadFinished) onReadFinished(read.outcome);
}

}  // namespace tikora
