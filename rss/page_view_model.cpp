// The RSS page view; see page_view_model.h.
#include "rss/page_view_model.h"

#include <array>

#include <utility>
#include <vector>

#include "clock/clock_window_model.h"
#include "rss/feed_page.h"
#include "rss/html_sanitiser.h"
#include "rss/page_view_names.h"

namespace tikora {
namespace {

using E = ComponentEvent;

// The close button: "black_close" 7 x 7 one pixel below the top edge, half the window's width
// less half its own in; under the mouse "red_close" stretched to 9 x 9 at the top edge.
constexpr Rect kCloseBounds{kPageViewWidth / 2 - 3, 1, 7, 7};
constexpr Rect kCloseHotBounds{kPageViewWidth / 2 - 3, 0, 9, 9};

// Set on the page's body when it has loaded: no horizontal scroll bar, a vertical one only when
// the page is longer than the view, no border around the page.
const std::vector<std::wstring> kBodyStyle{L"overflowX=hidden", L"overflowY=auto", L"borderStyle=none"};

// The page between two stripes that drag the window; the close button is made after the top
// stripe, so it lies on it.
using K = ComponentKind;
constexpr std::wstring_view kOn = kPageViewWindowName;
constexpr std::array<ComponentRow, 5> kLayout{{
    {.name = kPageViewWindowName,
     .kind = K::Window,
     .bounds = {0, 0, kPageViewWidth, kPageViewHeight},
     .options = kBorderless | kCentred,
     .visible = false},
    {.name = kPageBrowserName,
     .kind = K::WebBrowser,
     .parent = kOn,
     .bounds = {0, kPageViewStripeHeight, kPageViewWidth, kPageViewHeight - 2 * kPageViewStripeHeight}},
    {.name = kPageTopStripe,
     .kind = K::Picture,
     .parent = kOn,
     .bounds = {0, 0, kPageViewWidth, kPageViewStripeHeight},
     .options = kStretch | kDragsWindow,
     .picture = kDecorativeStripePicture,
     .pointer = PointerShape::Drag},
    {.name = kPageBottomStripe,
     .kind = K::Picture,
     .parent = kOn,
     .bounds = {0, kPageViewHeight - kPageViewStripeHeight, kPageViewWidth, kPageViewStripeHeight},
     .options = kStretch | kDragsWindow,
     .picture = kDecorativeStripePicture,
     .pointer = PointerShape::Drag},
    {.name = kPageCloseButton,
     .kind = K::Picture,
     .parent = kOn,
     .bounds = kCloseBounds,
     .options = kStretch,
     .text = L"Close",  // what a screen reader calls it
     .picture = kBlackClosePicture},
}};

std::vector<Component> pageViewComponents(Colour background) {
  std::vector<Component> components = makeComponents(kLayout);
  components[0].state.background = background;  // the window
  components[1].state.items = kBodyStyle;       // the browser
  return components;
}

}  // namespace

PageViewModel::PageViewModel(PageViewServices services, PageViewHooks hooks)
    : s_(services), hooks_(std::move(hooks)), table_(pageViewComponents(services.settings.backgroundColour)) {
  table_.on(kPageCloseButton, E::MouseMove, [this] { onCloseHovered(); });
  table_.on(kPageCloseButton, E::MouseLeave, [this] { onCloseLeft(); });
  table_.on(kPageCloseButton, E::Click, [this] { close(); });
  table_.on(kPageViewWindowName, E::Close, [this] { close(); });
  table_.on(kPageBrowserName, E::NavigateError, [this] { onPageNotLoaded(); });
  table_.on(kPageBrowserName, E::NewWindow, [this](const EventContext& event) { onNewWindowAsked(event); });
}

void PageViewModel::openPage(int index) {
  if (index < 0 || index >= s_.reader.itemCount()) return;
  const FeedItem& item = s_.reader.items()[static_cast<std::size_t>(index)];
  const FontSpec font = s_.ticker.headlineFont();
  const FeedPageStyle style{s_.settings.backgroundColour, s_.settings.digitColour, font.points, font.faceName};
  ComponentState& window = table_[kPageViewWindowName];
  window.text = item.title;
  const Result<std::wstring> folder = s_.shell.internetCacheFolder();
  if (!folder) return;
  if (!s_.files.writeFile(feedPagePath(*folder), feedPageBytes(item, style)).ok()) return;

  ComponentState& browser = table_[kPageBrowserName];
  browser.text = feedPageAddress(*folder);
  ++browser.position;  // the same address again is a new page all the same
  // A page that could not be loaded hid the browser; the next page shows it again.
  browser.visible = true;
  window.background = s_.settings.backgroundColour;
  window.visible = true;
  ++window.raised;
}

void PageViewModel::close() {
  ComponentState& window = table_[kPageViewWindowName];
  const bool wasShowing = window.visible;
  window.visible = false;
  // The mouse leaves with the window: shown again, the button is black until it is pointed at.
  onCloseLeft();
  if (wasShowing && hooks_.closed) hooks_.closed();
}

void PageViewModel::onCloseHovered() {
  ComponentState& button = table_[kPageCloseButton];
  button.picture = std::wstring(kRedClosePicture);
  button.bounds = kCloseHotBounds;
}

void PageViewModel::onCloseLeft() {
  ComponentState& button = table_[kPageCloseButton];
  button.picture = std::wstring(kBlackClosePicture);
  button.bounds = kCloseBounds;
}

void PageViewModel::onPageNotLoaded() { table_[kPageBrowserName].visible = false; }

void PageViewModel::onNewWindowAsked(const EventContext& event) {
  // Only a web address goes to the user's browser: a page cannot start other programs.
  if (!event.input) return;
  if (const auto address = allowedAddress(event.input->address, AddressUse::PageLink))
    (void)s_.shell.openAddress(*address);
}

}  // namespace tikora
