// The RSS page view: its layout, a headline's click writing the page file and showing it, a
// page file that cannot be written, the browser's events, and the ticker standing still while
// the page view shows. The hooks are wired as the program wires them.
#include "rss/page_view_model.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/fake/fake_files.h"
#include "rss/feed_page.h"
#include "tests/shared/feed_cases.h"
#include "tests/unit/rss_fixture.h"

namespace tikora {
namespace {

constexpr wchar_t kPageFile[] = L"C:\\Users\\Tester\\AppData\\Local\\Microsoft\\Windows\\INetCache\\ht.htm";
constexpr wchar_t kPageAddress[] = L"file:///C:\\Users\\Tester\\AppData\\Local\\Microsoft\\Windows\\INetCache\\ht.htm";

class PageViewTest : public testing::RssBench {
 protected:
  PageViewTest() {
    TickerHooks hooks;
    hooks.openItemPage = [this](int item) { pageView.openPage(item); };
    hooks.pageViewShowing = [this] { return pageView.showing(); };
    tickerWindow.setHooks(std::move(hooks));
    readFeed(L"https://feeds.example/made", testing::makeFeed(3));
  }
  ComponentState& view(std::wstring_view name) { return pageView.components()[name]; }
  void clickHeadline(int i) { tickerWindow.components().raise(headlineName(i), ComponentEvent::Click); }
  void raiseOnView(std::wstring_view name, ComponentEvent event, const ComponentInput& input = {}) {
    pageView.components().raise(name, event, input);
  }
  // Item i's page in the colours and font as they are now.
  std::string pageOf(int i) const {
    return feedPageBytes(reader.items()[static_cast<std::size_t>(i)],
                         {settings.backgroundColour, settings.digitColour, 16, panel[L"ComboBox9"].text});
  }

  FakeFiles files;
  int closedCount = 0;
  PageViewModel pageView{PageViewServices{settings, tickerWindow, reader, shell, files}, PageViewHooks{[this] {
                           ++closedCount;
                           tickerWindow.pageViewClosed();
                         }}};
};

TEST_F(PageViewTest, IsABorderlessCentredWindowWithStripesACloseButtonAndABrowser) {
  const Component& window = pageView.components().window();
  EXPECT_EQ(window.name, L"TForm6");
  EXPECT_EQ(window.options, kBorderless | kCentred);
  EXPECT_EQ(window.state.bounds, (Rect{0, 0, 800, 290}));
  EXPECT_EQ(window.state.background, settings.backgroundColour);
  EXPECT_FALSE(window.state.visible);
  struct Expected {
    const wchar_t* name;
    Rect bounds;
    const wchar_t* picture;
    std::uint32_t options;
  };
  for (const Expected& e : {Expected{L"Image1", {0, 0, 800, 9}, L"stripe", kStretch | kDragsWindow},
                            Expected{L"Image2", {0, 281, 800, 9}, L"stripe", kStretch | kDragsWindow},
                            Expected{L"Image3", {397, 1, 7, 7}, L"black_close", kStretch}}) {
    const Component& c = pageView.components().component(e.name);
    EXPECT_EQ(c.state.bounds, e.bounds) << e.name;
    EXPECT_EQ(c.state.picture, e.picture) << e.name;
    EXPECT_EQ(c.options, e.options) << e.name;
  }
  const Component& browser = pageView.components().component(L"WebBrowser1");
  EXPECT_EQ(browser.kind, ComponentKind::WebBrowser);
  EXPECT_EQ(browser.state.bounds, (Rect{0, 9, 800, 272}));
  EXPECT_EQ(browser.state.items,
            (std::vector<std::wstring>{L"overflowX=hidden", L"overflowY=auto", L"borderStyle=none"}));

  raiseOnView(L"Image3", ComponentEvent::MouseMove);
  EXPECT_EQ(view(L"Image3").picture, L"red_close");
  EXPECT_EQ(view(L"Image3").bounds, (Rect{397, 0, 9, 9}));
  raiseOnView(L"Image3", ComponentEvent::MouseLeave);
  EXPECT_EQ(view(L"Image3").picture, L"black_close");
  EXPECT_EQ(view(L"Image3").bounds, (Rect{397, 1, 7, 7}));
}

TEST_F(PageViewTest, AHeadlinesClickWritesItsPageAndShowsItUnderTheItemsTitle) {
  panel[L"ComboBox9"].text = L"Verdana";
  clickHeadline(1);
  EXPECT_EQ(files.contents(kPageFile), pageOf(1));
  EXPECT_NE(pageOf(1).find("<font face=\"Verdana\">"), std::string::npos);
  EXPECT_EQ(files.calls(), std::vector<std::wstring>{std::wstring(L"write ") + kPageFile});
  EXPECT_EQ(view(L"TForm6").text, L"Item 1");
  EXPECT_TRUE(view(L"TForm6").visible);
  EXPECT_EQ(view(L"TForm6").raised, 1);
  EXPECT_EQ(view(L"WebBrowser1").text, kPageAddress);
  EXPECT_EQ(view(L"WebBrowser1").position, 1);
  EXPECT_EQ(shell.internetCacheQueries, 1);

  // A second headline while the page view shows: the file rewritten, the same window, a new
  // navigation to the same address; the folder asked for afresh, the colours as they are now.
  settings.backgroundColour = 0x00445566;
  shell.internetCache = L"D:\\Cache";
  clickHeadline(2);
  EXPECT_EQ(files.contents(L"D:\\Cache\\ht.htm"), pageOf(2));
  EXPECT_EQ(view(L"TForm6").text, L"Item 2");
  EXPECT_EQ(view(L"TForm6").background, 0x00445566u);
  EXPECT_EQ(view(L"WebBrowser1").text, L"file:///D:\\Cache\\ht.htm");
  EXPECT_EQ(view(L"WebBrowser1").position, 2);
  EXPECT_EQ(shell.internetCacheQueries, 2);
}

TEST_F(PageViewTest, APageFileThatCannotBeWrittenShowsNothing) {
  for (const FakeFiles::Fault fault : {FakeFiles::Fault::CreateFails, FakeFiles::Fault::WriteFails}) {
    files.setFaultForAll(fault);
    clickHeadline(0);
    EXPECT_FALSE(view(L"TForm6").visible);
    EXPECT_EQ(view(L"WebBrowser1").text, L"");
    EXPECT_EQ(view(L"WebBrowser1").position, 0);
  }
  EXPECT_TRUE(boxes.shown().empty());
  // A folder the shell cannot name: nothing written either.
  files.setFaultForAll(FakeFiles::Fault::None);
  shell.internetCache.reset();
  const std::size_t calls = files.calls().size();
  clickHeadline(0);
  EXPECT_FALSE(view(L"TForm6").visible);
  EXPECT_EQ(files.calls().size(), calls);
}

TEST_F(PageViewTest, ANavigationErrorHidesTheBrowserUntilTheNextPage) {
  clickHeadline(0);
  raiseOnView(L"WebBrowser1", ComponentEvent::NavigateError);
  EXPECT_FALSE(view(L"WebBrowser1").visible);
  EXPECT_TRUE(view(L"TForm6").visible);
  clickHeadline(1);
  EXPECT_TRUE(view(L"WebBrowser1").visible);
  EXPECT_TRUE(pageView.components().hasHandler(L"WebBrowser1", ComponentEvent::NavigateError))
      << "the view cancels the browser's own error page only when the model handles the error";
}

TEST_F(PageViewTest, ANewWindowOpensOnlyAWebAddressInTheUsersBrowser) {
  clickHeadline(0);
  for (const wchar_t* address :
       {L"https://example.com/story", L"javascript:alert(1)", L"file:///C:/x.exe", L"ftp://files.example/a"}) {
    ComponentInput input;
    input.address = address;
    raiseOnView(L"WebBrowser1", ComponentEvent::NewWindow, input);
  }
  EXPECT_EQ(shell.openedAddresses, (std::vector<std::wstring>{L"https://example.com/story", L"ftp://files.example/a"}));
  EXPECT_EQ(view(L"WebBrowser1").text, kPageAddress) << "the event's address is not the browser's";
}

TEST_F(PageViewTest, TheTickerStandsStillWhileThePageViewShows) {
  Component& ticker = tickerWindow.components().window();
  ASSERT_TRUE(ticker.state.visible);
  ASSERT_TRUE(tickerWindow.scrollTimer().enabled());
  // The mouse on a headline stops the ticker; the click opens the page; leaving does not restart.
  tickerWindow.components().raise(headlineName(0), ComponentEvent::MouseMove);
  clickHeadline(0);
  tickerWindow.components().raise(headlineName(0), ComponentEvent::MouseLeave);
  EXPECT_FALSE(tickerWindow.scrollTimer().enabled());

  // Closing the page view starts the ticker again.
  raiseOnView(L"Image3", ComponentEvent::Click);
  EXPECT_FALSE(view(L"TForm6").visible);
  EXPECT_TRUE(tickerWindow.scrollTimer().enabled());
  EXPECT_EQ(closedCount, 1);

  // A read that starts the ticker while the page view shows: its first tick stops it.
  clickHeadline(1);
  tickerWindow.start();
  const int position = tickerWindow.scrollPosition();
  tickerWindow.components().tick(L"Timer1");
  EXPECT_FALSE(tickerWindow.scrollTimer().enabled());
  EXPECT_EQ(tickerWindow.scrollPosition(), position + 30) << "the tick that stops it still scrolls";

  // Closed by the system while the ticker has gone: the ticker stays stopped.
  tickerWindow.onStopClicked();
  ASSERT_FALSE(ticker.state.visible);
  raiseOnView(L"TForm6", ComponentEvent::Close);
  EXPECT_FALSE(view(L"TForm6").visible);
  EXPECT_FALSE(tickerWindow.scrollTimer().enabled());
  // A close of the hidden page view tells no one.
  raiseOnView(L"TForm6", ComponentEvent::Close);
  EXPECT_EQ(closedCount, 2);
}

}  // namespace
}  // namespace tikora
