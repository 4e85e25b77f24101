// Fetching feeds against the real WinINet and file system: a loopback HTTP server of the test's
// own answers 200, 404, a redirect, a feed too large, and a connection it accepts and never
// answers; files by path and by file: address. The fetch that gets no answer must end within
// the time allowed while a window on the same thread keeps painting.
#include <windows.h>
#include <winsock2.h>
#include <ws2tcpip.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "clock/settings.h"
#include "platform/win32/win32_feed_source.h"
#include "platform/win32/win32_shell.h"
#include "platform/win32/win32_text_metrics.h"
#include "platform/win32/win32_xml_document.h"
#include "rss/feed_reader.h"
#include "rss/ticker_window_model.h"
#include "tests/shared/feed_cases.h"
#include "tests/shared/rss_page.h"
#include "tests/win32/figures.h"

namespace tikora {
namespace {

using Clock = std::chrono::steady_clock;

std::wstring wide(const std::string& text) { return std::wstring(text.begin(), text.end()); }

// An HTTP server on 127.0.0.1 at a port the system picks. One connection at a time; a request
// for /silent is accepted and kept open without an answer until the server stops.
class LoopbackServer {
 public:
  explicit LoopbackServer(std::string feed) : feed_(std::move(feed)) {
    WSADATA data;
    WSAStartup(MAKEWORD(2, 2), &data);
    listener_ = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = 0;
    bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address);
    listen(listener_, 8);
    int length = sizeof address;
    getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length);
    port_ = ntohs(address.sin_port);
    thread_ = std::thread([this] { serve(); });
  }
  ~LoopbackServer() {
    stopping_ = true;
    // A connection of our own wakes the accept up (closing the socket under it may not, soon).
    const SOCKET wake = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(static_cast<u_short>(port_));
    connect(wake, reinterpret_cast<sockaddr*>(&address), sizeof address);
    closesocket(wake);
    closesocket(listener_);
    thread_.join();
    for (SOCKET held : silent_) closesocket(held);
    WSACleanup();
  }
  std::wstring address(const char* path) const { return L"http://127.0.0.1:" + std::to_wstring(port_) + wide(path); }
  int requests() const { return requests_; }

 private:
  void serve() {
    while (!stopping_) {
      const SOCKET client = accept(listener_, nullptr, nullptr);
      if (client == INVALID_SOCKET) return;
      if (stopping_) {
        closesocket(client);
        return;
      }
      ++requests_;
      std::string request;
      char buffer[4096];
      while (request.find("\r\n\r\n") == std::string::npos) {
        const int got = recv(client, buffer, sizeof buffer, 0);
        if (got <= 0) break;
        request.append(buffer, static_cast<std::size_t>(got));
      }
      const std::size_t space = request.find(' ');
      const std::string path = request.substr(space + 1, request.find(' ', space + 1) - space - 1);
      if (path == "/silent") {
        silent_.push_back(client);
        continue;
      }
      std::string answer;
      if (path == "/feed.xml") {
        answer =
            "HTTP/1.1 200 OK\r\nContent-Type: application/rss+xml\r\nContent-Length: " + std::to_string(feed_.size()) +
            "\r\nConnection: close\r\n\r\n" + feed_;
      } else if (path == "/moved") {
        answer = "HTTP/1.1 302 Found\r\nLocation: /feed.xml\r\nContent-Length: 0\r\nConnection: close\r\n\r\n";
      } else if (path == "/huge") {
        // No length announced: the reader finds out by counting.
        answer = "HTTP/1.1 200 OK\r\nContent-Type: text/xml\r\nConnection: close\r\n\r\n<rss>" +
                 std::string(kFeedSizeLimit, ' ') + "</rss>";
      } else {
        answer = "HTTP/1.1 404 Not Found\r\nContent-Length: 9\r\nConnection: close\r\n\r\nNot found";
      }
      for (std::size_t sent = 0; sent < answer.size();) {
        const int put =
            send(client, answer.data() + sent, static_cast<int>(std::min<std::size_t>(answer.size() - sent, 65536)), 0);
        if (put <= 0) break;
        sent += static_cast<std::size_t>(put);
      }
      shutdown(client, SD_SEND);
      closesocket(client);
    }
  }

  std::string feed_;
  SOCKET listener_ = INVALID_SOCKET;
  int port_ = 0;
  std::atomic<bool> stopping_{false};
  std::atomic<int> requests_{0};
  std::vector<SOCKET> silent_;
  std::thread thread_;
};

TEST(Win32FeedFetchTest, WebAddressesFilesAndWhatFailsAndHow) {
  const std::string feed = testing::readFeedFile(TIKORA_FEEDS_DIR, "rss2_items.xml");
  ASSERT_FALSE(feed.empty());
  LoopbackServer server(feed);
  const std::wstring file = wide(std::string(TIKORA_FEEDS_DIR) + "/rss2_items.xml");
  std::wstring fileUrl = L"file:///" + file;
  std::replace(fileUrl.begin(), fileUrl.end(), L'\\', L'/');

  struct Case {
    std::wstring address;
    FeedFetchStatus status;
    std::uint32_t detail;
    bool bytes;
  } cases[] = {
      {server.address("/feed.xml"), FeedFetchStatus::Loaded, 0, true},
      {server.address("/moved"), FeedFetchStatus::Loaded, 0, true},
      {server.address("/nothing-here"), FeedFetchStatus::HttpError, 404, false},
      {server.address("/huge"), FeedFetchStatus::TooLarge, 0, false},
      {file, FeedFetchStatus::Loaded, 0, true},
      {fileUrl, FeedFetchStatus::Loaded, 0, true},
      {file + L".missing", FeedFetchStatus::FileError, ERROR_FILE_NOT_FOUND, false},
      {L"ftp://127.0.0.1/feed.xml", FeedFetchStatus::UnsupportedAddress, 0, false},
      {L"", FeedFetchStatus::EmptyAddress, 0, false},
  };
  for (const Case& c : cases) {
    const FeedFetch fetched = fetchFeedNow(c.address);
    EXPECT_EQ(fetched.status, c.status) << std::string(c.address.begin(), c.address.end());
    if (c.detail) {
      EXPECT_EQ(fetched.detail, c.detail);
    }
    EXPECT_EQ(fetched.bytes, c.bytes ? feed : std::string());
  }

  // Nobody listens on a port just closed: refused, at once.
  std::wstring closed;
  {
    LoopbackServer gone("");
    closed = gone.address("/feed.xml");
  }
  EXPECT_EQ(fetchFeedNow(closed).status, FeedFetchStatus::NetworkError) << "refused, not timed out";
}

// A window that repaints itself every 15 ms and notes the longest gap between two paints.
class PaintingWindow {
 public:
  PaintingWindow() {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"TikoraPaintProbe";
    RegisterClassW(&windowClass);
    window_ = CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, L"TikoraPaintProbe", L"probe", WS_POPUP | WS_VISIBLE,
                              0, 0, 60, 60, nullptr, nullptr, windowClass.hInstance, nullptr);
    SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    SetTimer(window_, 1, 15, nullptr);
  }
  ~PaintingWindow() { DestroyWindow(window_); }
  // Runs the message loop until `done` or `limit`.
  void pumpUntil(const std::atomic<bool>& done, std::chrono::seconds limit) {
    const auto end = Clock::now() + limit;
    last_ = Clock::now();
    started_ = last_;
    while (!done && Clock::now() < end) {
      MSG message;
      if (MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT) == WAIT_OBJECT_0) {
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
      }
    }
  }
  double longestGapMs() const { return std::chrono::duration<double, std::milli>(longest_).count(); }
  int paints() const { return paints_; }

 private:
  static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<PaintingWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self && message == WM_TIMER) {
      InvalidateRect(window, nullptr, FALSE);
      return 0;
    }
    if (self && message == WM_PAINT) {
      PAINTSTRUCT paint;
      BeginPaint(window, &paint);
      FillRect(paint.hdc, &paint.rcPaint,
               static_cast<HBRUSH>(GetStockObject(self->paints_ % 2 ? BLACK_BRUSH : WHITE_BRUSH)));
      EndPaint(window, &paint);
      const auto now = Clock::now();
      if (now - self->last_ > self->longest_) self->longestAt_ = now - self->started_;
      self->longest_ = std::max(self->longest_, now - self->last_);
      self->last_ = now;
      ++self->paints_;
      return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
  }
  HWND window_ = nullptr;
  Clock::time_point last_ = Clock::now();
  Clock::duration longest_{};

 public:
  Clock::time_point started_ = Clock::now();
  Clock::duration longestAt_{};

 private:
  int paints_ = 0;
};

TEST(Win32FeedSourceTest, AnswersComeBackThroughTheMessageLoopOneFetchAtATime) {
  const std::string feed = testing::readFeedFile(TIKORA_FEEDS_DIR, "rss2_items.xml");
  LoopbackServer server(feed);
  Win32FeedSource source;
  PaintingWindow window;
  std::atomic<bool> done{false};
  FeedFetch answer;
  ASSERT_TRUE(source.start(server.address("/moved"), [&](FeedFetch fetched) {
    answer = std::move(fetched);
    done = true;
  }));
  EXPECT_FALSE(done) << "never from inside start";
  EXPECT_TRUE(source.busy());
  EXPECT_FALSE(source.start(server.address("/feed.xml"), [](FeedFetch) { FAIL() << "a second fetch ran"; }));
  window.pumpUntil(done, std::chrono::seconds(10));
  ASSERT_TRUE(done);
  EXPECT_FALSE(source.busy());
  EXPECT_EQ(answer.status, FeedFetchStatus::Loaded);
  EXPECT_EQ(answer.bytes, feed);

  // A fetch given up on never answers; the next one does.
  ASSERT_TRUE(source.start(server.address("/feed.xml"), [](FeedFetch) { FAIL() << "a cancelled fetch answered"; }));
  source.cancel();
  EXPECT_FALSE(source.busy());
  done = false;
  ASSERT_TRUE(source.start(server.address("/nothing-here"), [&](FeedFetch fetched) {
    answer = std::move(fetched);
    done = true;
  }));
  window.pumpUntil(done, std::chrono::seconds(10));
  ASSERT_TRUE(done);
  EXPECT_EQ(answer.status, FeedFetchStatus::HttpError);
  EXPECT_EQ(answer.detail, 404u);
}

TEST(Win32FeedSourceTest, AServerThatNeverAnswersEndsInTimeWhileTheWindowKeepsPainting) {
  LoopbackServer server("");
  // Short limits: the fetch is given up on after a second, the way it is after the full ones.
  Win32FeedSource source{FeedFetchLimits{300, 1000, kFeedSizeLimit}};
  PaintingWindow window;
  std::atomic<bool> done{false};
  FeedFetch answer;
  int paintsBeforeTheAnswer = -1;
  const auto began = Clock::now();
  ASSERT_TRUE(source.start(server.address("/silent"), [&](FeedFetch fetched) {
    answer = std::move(fetched);
    paintsBeforeTheAnswer = window.paints();
    done = true;
  }));
  const double startMs = std::chrono::duration<double, std::milli>(Clock::now() - began).count();
  window.pumpUntil(done, std::chrono::seconds(30));
  ASSERT_TRUE(done);
  EXPECT_EQ(answer.status, FeedFetchStatus::TimedOut);
  EXPECT_GT(paintsBeforeTheAnswer, 0) << "the window painted while the fetch was waiting";
  testing::recordFigure("feed_start_ms", startMs);
  testing::recordFigure("longest_paint_gap_ms", window.longestGapMs());
}

// Boxes are recorded, never shown.
class RecordedBoxes : public MessageBoxService {
 public:
  MessageBoxAnswer show(const MessageBoxRequest& request) override {
    texts.push_back(request.text);
    return MessageBoxAnswer::Ok;
  }
  std::vector<std::wstring> texts;
};

// Pauses that only count: the fades take no time here.
class CountingSleeper : public Sleeper {
 public:
  void sleep(std::uint32_t) override { ++pauses; }
  int pauses = 0;
};

TEST(Win32FeedReaderTest, AReadFromTheLoopbackServerLaysOutItsHeadlinesInGdiWidths) {
  LoopbackServer server(testing::makeFeed(150, 200));
  ComponentTable panel{testing::rssPageComponents()};
  Settings settings;
  Win32Shell shell;
  Win32TextMetrics metrics(96);
  CountingSleeper sleeper;
  RecordedBoxes boxes;
  Win32FeedSource feeds;
  Win32XmlDocument document;
  TickerWindowModel ticker{TickerServices{panel, settings, shell, metrics, sleeper}};
  ticker.layOut();
  FeedReader reader{
      FeedReaderServices{panel, feeds, document, boxes, ticker, [&] { return server.address("/feed.xml"); }}};
  std::atomic<bool> finished{false};
  reader.onReadFinished = [&](FeedReadOutcome) { finished = true; };

  PaintingWindow window;
  panel.raise(L"Button4", ComponentEvent::Click);
  ASSERT_TRUE(reader.loading());
  window.pumpUntil(finished, std::chrono::seconds(20));
  ASSERT_TRUE(finished);
  EXPECT_TRUE(boxes.texts.empty());
  ASSERT_EQ(reader.itemCount(), 99);
  EXPECT_EQ(ticker.headlineCount(), 99);
  EXPECT_TRUE(ticker.components()[L"TForm5"].visible);
  EXPECT_EQ(sleeper.pauses, 11);
  const int screen = shell.screenSize().width;
  const ComponentTable& strip = ticker.components();
  EXPECT_EQ(strip[headlineName(0)].bounds.left, screen);
  for (int i = 1; i < 99; ++i) {
    const Rect& before = strip[headlineName(i - 1)].bounds;
    const Rect& here = strip[headlineName(i)].bounds;
    ASSERT_GT(before.width, 0);
    ASSERT_EQ(here.left, before.right()) << i;
  }
  EXPECT_EQ(strip[L"EndMarker"].bounds.left, screen + strip[headlineName(98)].bounds.right());

  // The headlines alone, again and again: what a read costs the GUI thread in layout.
  double best = 1e9;
  for (int run = 0; run < 5; ++run) {
    const auto began = Clock::now();
    ticker.clearHeadlines();
    for (int i = 0; i < 99; ++i) ticker.addHeadline(i, reader.items()[static_cast<std::size_t>(i)].title);
    ticker.finishHeadlines();
    best = std::min(best, std::chrono::duration<double, std::milli>(Clock::now() - began).count());
  }
  testing::recordFigure("headlines_laid_out_with_gdi_ms", best);
}

}  // namespace
}  // namespace tikora
