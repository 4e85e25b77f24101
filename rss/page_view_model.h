// The RSS page view (`TForm6`) as a window model: a borderless 800 x 290 window, centred on the
// desktop, that shows one feed item as a small web page in an embedded browser (`WebBrowser1`),
// between two stripes that drag it (`Image1`, `Image2`) and under a close button (`Image3`).
//
// A click on headline i writes item i's page (feed_page.h) to "ht.htm" in the temporary internet
// files folder, named afresh by the shell each time, and shows it; the window takes the item's
// title as its caption. A page file that cannot be written ends the click silently: nothing is
// shown. When the page has loaded, the page's body gets no horizontal scroll bar, a vertical one
// only where needed, and no border; a page that cannot be loaded hides the browser until the
// next page is opened. Links that ask for a new window open in the user's web browser.
//
// While the page view is on screen the ticker stands still; the hook `closed` tells it when the
// page view has gone.
#pragma once
#include <functional>
#include <string_view>

#include "clock/settings.h"
#include "core/component.h"
#include "platform/files.h"
#include "platform/shell.h"
#include "rss/feed_reader.h"
#include "rss/page_view_names.h"
#include "rss/ticker_window_model.h"

namespace tikora {

inline constexpr int kPageViewWidth = 800;
inline constexpr int kPageViewHeight = 290;
inline constexpr int kPageViewStripeHeight = 9;

struct PageViewServices {
  const Settings& settings;         // backgroundColour and digitColour
  const TickerWindowModel& ticker;  // the headline font: the page's font and size
  const FeedReader& reader;         // the items of the last read
  Shell& shell;                     // the folder of the page file; new windows' addresses
  Files& files;
};

struct PageViewHooks {
  std::function<void()> closed;  // the page view went off screen
};

class PageViewModel {
 public:
  PageViewModel(PageViewServices services, PageViewHooks hooks = {});
  PageViewModel(const PageViewModel&) = delete;
  PageViewModel& operator=(const PageViewModel&) = delete;

  ComponentTable& components() { return table_; }
  const ComponentTable& components() const { return table_; }

  // A click on headline `item`: its page written and shown.
  void openPage(int item);
  bool showing() const { return table_[kPageViewWindowName].visible; }
  // The close button and the system's close: hidden, never destroyed.
  void close();

 private:
  void onCloseHovered();
  void onCloseLeft();
  void onPageNotLoaded();
  void onNewWindowAsked(const EventContext& event);

  PageViewServices s_;
  PageViewHooks hooks_;
  ComponentTable table_;
};

}  // namespace tikora
