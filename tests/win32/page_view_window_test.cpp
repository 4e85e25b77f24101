// The RSS page view as a real window: the generic view over the page view's model with the real
// shell, files, XML document and the system's WebBrowser control. Under Wine here no browser
// engine can show a page, so what is checked is what must hold whatever the control can do: the
// page file written where the shell says, the unframed window centred with the item's title, its
// stripes painted, the browser's host placed between them, the close button and the system's
// close hiding it, and the window answering all the while. A host made where the control cannot
// be made at all is an empty child window that navigates nowhere.
#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "platform/win32/win32_files.h"
#include "platform/win32/win32_shell.h"
#include "platform/win32/win32_sleeper.h"
#include "platform/win32/win32_text_metrics.h"
#include "platform/win32/win32_xml_document.h"
#include "rss/feed_page.h"
#include "rss/page_view_model.h"
#include "tests/shared/feed_cases.h"
#include "tests/shared/rss_page.h"
#include "tests/win32/read_file.h"
#include "ui/win32/model_window.h"
#include "ui/win32/web_browser_host.h"

namespace tikora {
namespace {

constexpr Colour kStripeColour = 0x00305070;

// Feeds answered when the test says so, from the message loop's point of view later.
class HeldFeedSource : public FeedSource {
 public:
  explicit HeldFeedSource(std::string bytes) : bytes_(std::move(bytes)) {}
  bool start(const std::wstring&, FeedFetchDone done) override {
    if (done_) return false;
    done_ = std::move(done);
    return true;
  }
  bool busy() const override { return static_cast<bool>(done_); }
  void cancel() override { done_ = nullptr; }
  void finish() {
    FeedFetchDone done = std::move(done_);
    done_ = nullptr;
    FeedFetch fetch;
    fetch.bytes = bytes_;
    if (done) done(fetch);
  }

 private:
  std::string bytes_;
  FeedFetchDone done_;
};

class RecordingBoxes : public MessageBoxService {
 public:
  MessageBoxAnswer show(const MessageBoxRequest& request) override {
    texts.push_back(request.text);
    return MessageBoxAnswer::Ok;
  }
  std::vector<std::wstring> texts;
};

// Runs the message loop until `done` holds (or a limit that only a hang reaches).
bool pumpUntil(const std::function<bool()>& done) {
  const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(20);
  MSG message;
  while (!done() && std::chrono::steady_clock::now() < until) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
  }
  return done();
}

std::wstring classOf(HWND hwnd) {
  wchar_t name[64]{};
  GetClassNameW(hwnd, name, 64);
  return name;
}

class PageViewWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ole_ = SUCCEEDED(OleInitialize(nullptr));
    media_ = LoadLibraryExW(TIKORA_EXE_NAME, nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    settings_.backgroundColour = 0x00204060;
    settings_.digitColour = 0x0000FFFF;
    ticker_.layOut();
    ASSERT_EQ(reader_.Read(), ReadStart::Started);
    feeds_.finish();
    ASSERT_EQ(reader_.itemCount(), 3) << (boxes_.texts.empty() ? L"" : boxes_.texts[0]);
    // What the browser reports, beside the model's own handlers.
    pageView_.components().on(L"WebBrowser1", ComponentEvent::NavigateError, [this] { ++navigateErrors_; });
    pageView_.components().on(L"WebBrowser1", ComponentEvent::DocumentComplete, [this] { ++documentsComplete_; });
    window_ = std::make_unique<ModelWindow>(
        media_ ? media_ : GetModuleHandleW(nullptr), pageView_.components(),
        [this](std::wstring_view name) -> const Bitmap* { return name == L"stripe" ? &stripe_ : nullptr; });
    if (!window_->create()) GTEST_SKIP() << "no display for windows: run the Win32 tests under xvfb-run";
    window_->view().syncAfterEvent = [this] { window_->view().sync(); };
  }

  void TearDown() override {
    window_.reset();
    if (media_) FreeLibrary(media_);
    if (ole_) OleUninitialize();
  }

  // A headline's click, and the window shown as the program shows it, once the browser (where
  // the system could make one) has told how the page went.
  void open(int item) {
    const int told = navigateErrors_ + documentsComplete_;
    pageView_.openPage(item);
    window_->view().sync();
    pumpUntil([&] { return !browserMade() || navigateErrors_ + documentsComplete_ > told; });
  }
  bool browserMade() const {
    HWND host = window_->view().control(L"WebBrowser1");
    return host && GetWindow(host, GW_CHILD) != nullptr;
  }
  COLORREF pixel(int x, int y) const {
    HDC dc = GetDC(window_->hwnd());
    const COLORREF colour = GetPixel(dc, x, y);
    ReleaseDC(window_->hwnd(), dc);
    return colour;
  }
  bool answers() const {
    DWORD_PTR result = 0;
    return SendMessageTimeoutW(window_->hwnd(), WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 2000, &result) != 0;
  }

  bool ole_ = false;
  HMODULE media_ = nullptr;
  Settings settings_;
  ComponentTable panel_{testing::rssPageComponents()};
  Win32Shell shell_;
  Win32TextMetrics metrics_{96};
  Win32Sleeper sleeper_;
  Win32Files files_;
  Win32XmlDocument document_;
  HeldFeedSource feeds_{testing::makeFeed(3)};
  RecordingBoxes boxes_;
  TickerWindowModel ticker_{TickerServices{panel_, settings_, shell_, metrics_, sleeper_}};
  FeedReader reader_{FeedReaderServices{panel_, feeds_, document_, boxes_, ticker_, [] { return L"feed"; }}};
  int closed_ = 0;
  int navigateErrors_ = 0;
  int documentsComplete_ = 0;
  PageViewModel pageView_{PageViewServices{settings_, ticker_, reader_, shell_, files_},
                          PageViewHooks{[this] { ++closed_; }}};
  Bitmap stripe_{120, 6, kStripeColour};
  std::unique_ptr<ModelWindow> window_;
};

TEST_F(PageViewWindowTest, AHeadlinesPageIsWrittenAndShownInAnUnframedCentredWindowWithItsStripes) {
  open(1);
  const Result<std::wstring> folder = shell_.internetCacheFolder();
  ASSERT_TRUE(folder.ok());
  const FontSpec font = ticker_.headlineFont();
  EXPECT_EQ(testing::readAll(*folder + L"\\ht.htm"),
            feedPageBytes(reader_.items()[1],
                          {settings_.backgroundColour, settings_.digitColour, font.points, font.faceName}));

  HWND window = window_->hwnd();
  EXPECT_TRUE(IsWindowVisible(window));
  wchar_t caption[64]{};
  GetWindowTextW(window, caption, 64);
  EXPECT_STREQ(caption, L"Item 1");
  const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
  EXPECT_TRUE(style & WS_POPUP);
  EXPECT_FALSE(style & WS_CAPTION);
  EXPECT_TRUE(GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
  RECT client{}, frame{}, work{};
  GetClientRect(window, &client);
  EXPECT_EQ(client.right, 800);
  EXPECT_EQ(client.bottom, 290);
  GetWindowRect(window, &frame);
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  EXPECT_NEAR(frame.left - work.left, work.right - frame.right, 1);
  EXPECT_NEAR(frame.top - work.top, work.bottom - frame.bottom, 1);

  // The browser's host lies between the stripes; the stripes are painted across the width.
  HWND host = window_->view().control(L"WebBrowser1");
  ASSERT_NE(host, nullptr);
  EXPECT_EQ(classOf(host), L"TWebBrowserHost");
  RECT placed{};
  GetWindowRect(host, &placed);
  MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&placed), 2);
  EXPECT_EQ(placed.left, 0);
  EXPECT_EQ(placed.top, 9);
  EXPECT_EQ(placed.right, 800);
  EXPECT_EQ(placed.bottom, 281);
  // The control, where the system could make it, lives in the host; a page that loaded leaves it
  // shown, one that failed hides it (no browser engine here shows a page).
  const bool controlMade = browserMade();
  RecordProperty("browser_control_made", controlMade ? 1 : 0);
  RecordProperty("navigate_errors", navigateErrors_);
  RecordProperty("documents_complete", documentsComplete_);
  EXPECT_EQ(IsWindowVisible(host) != FALSE, navigateErrors_ == 0);
  if (!controlMade) {
    EXPECT_EQ(navigateErrors_ + documentsComplete_, 0);
  }
  for (const POINT at : {POINT{2, 4}, POINT{797, 8}, POINT{2, 282}, POINT{797, 289}})
    EXPECT_EQ(pixel(at.x, at.y), kStripeColour) << at.x << "," << at.y;

  // A second headline: the same window, the new title, the file rewritten, the browser shown
  // again whatever the first page did; the window answers.
  pageView_.openPage(2);
  window_->view().sync();
  EXPECT_TRUE(IsWindowVisible(host));
  const int told = navigateErrors_ + documentsComplete_;
  pumpUntil([&] { return !controlMade || navigateErrors_ + documentsComplete_ > told; });
  GetWindowTextW(window, caption, 64);
  EXPECT_STREQ(caption, L"Item 2");
  EXPECT_EQ(testing::readAll(*folder + L"\\ht.htm"),
            feedPageBytes(reader_.items()[2],
                          {settings_.backgroundColour, settings_.digitColour, font.points, font.faceName}));
  EXPECT_TRUE(answers());
  EXPECT_TRUE(boxes_.texts.empty());
}

TEST_F(PageViewWindowTest, TheCloseButtonAndTheSystemsCloseHideTheWindow) {
  open(0);
  HWND window = window_->hwnd();
  ASSERT_TRUE(IsWindowVisible(window));
  // The close button lies at the top edge's middle, on the top stripe.
  PostMessageW(window, WM_MOUSEMOVE, 0, MAKELPARAM(400, 4));
  PostMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(400, 4));
  PostMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(400, 4));
  EXPECT_TRUE(pumpUntil([&] { return !IsWindowVisible(window); }));
  EXPECT_FALSE(pageView_.showing());
  EXPECT_EQ(closed_, 1);

  open(1);
  ASSERT_TRUE(IsWindowVisible(window));
  SendMessageW(window, WM_CLOSE, 0, 0);
  EXPECT_TRUE(pumpUntil([&] { return !IsWindowVisible(window); }));
  EXPECT_TRUE(IsWindow(window)) << "hidden, never destroyed";
  EXPECT_EQ(closed_, 2);
}

TEST(WebBrowserHostTest, WithoutTheControlTheHostIsAnEmptyChildWindowThatNavigatesNowhere) {
  // A thread without COM: the control cannot be made there.
  std::optional<bool> made, hasBrowser, navigated, isChild;
  std::atomic<bool> finished{false};
  std::thread worker([&] {
    HWND parent = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 200, 100, nullptr, nullptr,
                                  GetModuleHandleW(nullptr), nullptr);
    {
      WebBrowserHost host(GetModuleHandleW(nullptr), WebBrowserCallbacks{});
      made = host.create(parent, RECT{0, 9, 200, 91});
      hasBrowser = host.hasBrowser();
      navigated = host.navigate(L"about:blank");
      host.setBodyStyle({L"overflowX=hidden"});
      isChild = host.hwnd() && GetParent(host.hwnd()) == parent;
    }
    DestroyWindow(parent);
    finished = true;
  });
  // The thread's first windows may send to this thread's windows (Wine's input method windows):
  // this thread answers while it waits, or the two could wait for each other.
  pumpUntil([&] { return finished.load(); });
  worker.join();
  EXPECT_EQ(made, true);
  EXPECT_EQ(hasBrowser, false);
  EXPECT_EQ(navigated, false);
  EXPECT_EQ(isChild, true);
}

}  // namespace
}  // namespace tikora
