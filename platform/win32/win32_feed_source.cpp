// Feeds on Windows; see win32_feed_source.h.
#include "platform/win32/win32_feed_source.h"

#include <shlwapi.h>
#include <wininet.h>

#include <atomic>
#include <cwctype>
#include <mutex>
#include <thread>
#include <utility>
#include <vector>

namespace tikora {
namespace {

constexpr wchar_t kWindowClass[] = L"TikoraFeedSource";
constexpr wchar_t kAgent[] = L"Tikora";
constexpr wchar_t kAccept[] = L"Accept: application/rss+xml, application/xml, text/xml, */*\r\n";
constexpr DWORD kChunk = 64 * 1024;

// Ids of fetches, unique in the process, so an answer posted to a window that has gone (and
// whose handle another window may have got since) never passes for another fetch's.
std::atomic<std::uint64_t> nextFetchId{1};

UINT fetchDoneMessage() {
  static const UINT message = RegisterWindowMessageW(L"TikoraFeedFetchDone");
  return message;
}

class InternetHandle {
 public:
  explicit InternetHandle(HINTERNET handle) : handle_(handle) {}
  ~InternetHandle() {
    if (handle_) InternetCloseHandle(handle_);
  }
  InternetHandle(const InternetHandle&) = delete;
  InternetHandle& operator=(const InternetHandle&) = delete;
  operator HINTERNET() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr; }

 private:
  HINTERNET handle_;
};

bool startsWithNoCase(const std::wstring& text, std::wstring_view start) {
  if (text.size() < start.size()) return false;
  for (std::size_t i = 0; i < start.size(); ++i)
    if (std::towlower(text[i]) != start[i]) return false;
  return true;
}

// "scheme:" with a scheme of two or more characters ("C:\feeds" is a path, not a scheme).
bool hasScheme(const std::wstring& address) {
  const std::size_t colon = address.find(L':');
  if (colon == std::wstring::npos || colon < 2 || !std::iswalpha(address[0])) return false;
  for (std::size_t i = 1; i < colon; ++i) {
    const wchar_t c = address[i];
    if (!std::iswalnum(c) && c != L'+' && c != L'-' && c != L'.') return false;
  }
  return true;
}

FeedFetch failure(FeedFetchStatus status, std::uint32_t detail = 0) { return FeedFetch{status, {}, detail}; }

FeedFetch networkFailure(DWORD error) {
  return failure(error == ERROR_INTERNET_TIMEOUT ? FeedFetchStatus::TimedOut : FeedFetchStatus::NetworkError, error);
}

FeedFetch readFile(const std::wstring& path, const FeedFetchLimits& limits) {
  const HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                  nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return failure(FeedFetchStatus::FileError, GetLastError());
  FeedFetch fetched;
  LARGE_INTEGER size{};
  if (!GetFileSizeEx(file, &size)) {
    fetched = failure(FeedFetchStatus::FileError, GetLastError());
  } else if (static_cast<unsigned long long>(size.QuadPart) > limits.sizeLimit) {
    fetched = failure(FeedFetchStatus::TooLarge);
  } else {
    fetched.bytes.resize(static_cast<std::size_t>(size.QuadPart));
    std::size_t at = 0;
    while (at < fetched.bytes.size()) {
      DWORD read = 0;
      if (!ReadFile(file, fetched.bytes.data() + at, static_cast<DWORD>(fetched.bytes.size() - at), &read, nullptr)) {
        fetched = failure(FeedFetchStatus::FileError, GetLastError());
        break;
      }
      if (read == 0) {  // shorter than it said: what is there is the file
        fetched.bytes.resize(at);
        break;
      }
      at += read;
    }
  }
  CloseHandle(file);
  return fetched;
}

FeedFetch fetchWeb(const std::wstring& address, const FeedFetchLimits& limits) {
  const ULONGLONG began = GetTickCount64();
  InternetHandle session(InternetOpenW(kAgent, INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0));
  if (!session) return networkFailure(GetLastError());
  DWORD timeout = limits.stepTimeoutMs;
  for (const DWORD option :
       {INTERNET_OPTION_CONNECT_TIMEOUT, INTERNET_OPTION_SEND_TIMEOUT, INTERNET_OPTION_RECEIVE_TIMEOUT})
    InternetSetOptionW(session, option, &timeout, sizeof timeout);
  DWORD retries = 1;
  InternetSetOptionW(session, INTERNET_OPTION_CONNECT_RETRIES, &retries, sizeof retries);
  const DWORD flags = INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE | INTERNET_FLAG_PRAGMA_NOCACHE |
                      INTERNET_FLAG_NO_UI | INTERNET_FLAG_NO_COOKIES;
  InternetHandle request(InternetOpenUrlW(session, address.c_str(), kAccept, static_cast<DWORD>(-1), flags, 0));
  if (!request) return networkFailure(GetLastError());
  DWORD status = 0;
  DWORD size = sizeof status;
  if (!HttpQueryInfoW(request, HTTP_QUERY_STATUS_CODE | HTTP_QUERY_FLAG_NUMBER, &status, &size, nullptr))
    return networkFailure(GetLastError());
  if (status < 200 || status > 299) return failure(FeedFetchStatus::HttpError, status);
  DWORD announced = 0;
  size = sizeof announced;
  if (HttpQueryInfoW(request, HTTP_QUERY_CONTENT_LENGTH | HTTP_QUERY_FLAG_NUMBER, &announced, &size, nullptr) &&
      announced > limits.sizeLimit)
    return failure(FeedFetchStatus::TooLarge);

  FeedFetch fetched;
  std::vector<char> chunk(kChunk);
  for (;;) {
    if (GetTickCount64() - began > limits.totalTimeoutMs) return failure(FeedFetchStatus::TimedOut);
    DWORD read = 0;
    if (!InternetReadFile(request, chunk.data(), kChunk, &read)) return networkFailure(GetLastError());
    if (read == 0) break;
    if (fetched.bytes.size() + read > limits.sizeLimit) return failure(FeedFetchStatus::TooLarge);
    fetched.bytes.append(chunk.data(), read);
  }
  return fetched;
}

}  // namespace

FeedFetch fetchFeedNow(const std::wstring& address, const FeedFetchLimits& limits) {
  if (address.empty()) return failure(FeedFetchStatus::EmptyAddress);
  if (startsWithNoCase(address, L"http://") || startsWithNoCase(address, L"https://")) return fetchWeb(address, limits);
  if (startsWithNoCase(address, L"file:")) {
    std::vector<wchar_t> path(32768);
    DWORD length = static_cast<DWORD>(path.size());
    if (FAILED(PathCreateFromUrlW(address.c_str(), path.data(), &length, 0)))
      return failure(FeedFetchStatus::UnsupportedAddress);
    return readFile(std::wstring(path.data(), length), limits);
  }
  if (hasScheme(address)) return failure(FeedFetchStatus::UnsupportedAddress);
  return readFile(address, limits);
}

// What a fetch's thread hands back.
struct Win32FeedSource::Job {
  std::mutex mutex;
  FeedFetch result;
};

Win32FeedSource::Win32FeedSource(FeedFetchLimits limits) : limits_(limits) {
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = instance;
  windowClass.lpszClassName = kWindowClass;
  RegisterClassExW(&windowClass);  // fails harmlessly when another source registered it
  window_ = CreateWindowExW(0, kWindowClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, instance, this);
}

Win32FeedSource::~Win32FeedSource() {
  cancel();
  if (window_) DestroyWindow(window_);
}

bool Win32FeedSource::start(const std::wstring& address, FeedFetchDone done) {
  if (running_ || window_ == nullptr) return false;
  const std::uint64_t id = nextFetchId++;
  auto job = std::make_shared<Job>();
  try {
    std::thread([job, address, limits = limits_, window = window_, id] {
      FeedFetch fetched = fetchFeedNow(address, limits);
      {
        std::lock_guard lock(job->mutex);
        job->result = std::move(fetched);
      }
      PostMessageW(window, fetchDoneMessage(), 0, static_cast<LPARAM>(id));
    }).detach();
  } catch (const std::system_error&) {
    return false;  // no thread to be had: as if busy
  }
  running_ = Running{id, std::move(job), std::move(done)};
  SetTimer(window_, static_cast<UINT_PTR>(id), limits_.totalTimeoutMs, nullptr);
  return true;
}

void Win32FeedSource::cancel() {
  if (!running_) return;
  KillTimer(window_, static_cast<UINT_PTR>(running_->id));
  running_.reset();
}

void Win32FeedSource::finish(std::uint64_t id, bool timedOut) {
  if (!running_ || running_->id != id) return;  // an answer for a fetch given up on
  KillTimer(window_, static_cast<UINT_PTR>(id));
  Running ending = std::move(*running_);
  running_.reset();
  FeedFetch fetched{FeedFetchStatus::TimedOut, {}, 0};
  if (!timedOut) {
    std::lock_guard lock(ending.job->mutex);
    fetched = std::move(ending.job->result);
  }
  if (ending.done) ending.done(std::move(fetched));
}

LRESULT CALLBACK Win32FeedSource::procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* self = reinterpret_cast<Win32FeedSource*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (self != nullptr) {
    try {
      if (message == fetchDoneMessage()) {
        self->finish(static_cast<std::uint64_t>(lParam), false);
        return 0;
      }
      if (message == WM_TIMER) {
        self->finish(static_cast<std::uint64_t>(wParam), true);
        return 0;
      }
    } catch (...) {
      // Nothing may escape a window procedure; the fetch's answer is lost.
    }
    if (message == WM_NCDESTROY) SetWindowLongPtrW(window, GWLP_USERDATA, 0);
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace tikora
