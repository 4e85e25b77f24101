// The feed page's promises; see page_promises.h.
#include "fuzz/page_promises.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/utf8.h"
#include "fuzz/fuzz_input.h"

namespace tikora::fuzz {
namespace {

// Elements that run script, carry style or pull another document into the page.
constexpr std::string_view kForbiddenElements[] = {
    "script", "style", "iframe", "frame", "frameset", "object", "embed",  "applet",  "meta",
    "base",   "link",  "form",   "input", "button",   "svg",    "math",   "xml",     "import",
    "html",   "head",  "body",   "title", "textarea", "select", "option", "bgsound", "layer",
};
// Attributes that hold an address in some element of HTML.
constexpr std::string_view kAddressAttributes[] = {
    "href",       "src",      "cite", "background", "lowsrc", "dynsrc",  "longdesc", "usemap",  "action",
    "formaction", "codebase", "data", "poster",     "srcset", "classid", "archive",  "profile", "manifest",
};
// Schemes that run what follows them, or carry a document of their own.
constexpr std::string_view kForbiddenSchemes[] = {"javascript", "vbscript", "data", "livescript", "mocha"};
// The elements HTML never closes.
constexpr std::string_view kVoidElements[] = {
    "area", "base",  "br",     "col",   "embed", "hr",       "img",     "input", "link",
    "meta", "param", "source", "track", "wbr",   "basefont", "bgsound", "frame", "keygen",
};
// What escaped text may hold after an "&", and what each stands for.
constexpr std::array<std::pair<std::string_view, char>, 5> kEscapes{{
    {"amp;", '&'},
    {"lt;", '<'},
    {"gt;", '>'},
    {"quot;", '"'},
    {"#39;", '\''},
}};

template <typename List>
bool listed(const List& list, std::string_view name) {
  return std::find(std::begin(list), std::end(list), name) != std::end(list);
}

bool isLower(char c) { return c >= 'a' && c <= 'z'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }
char asciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

std::string excerpt(std::string_view text, std::size_t at) {
  const std::size_t from = at > 40 ? at - 40 : 0;
  return std::string(text.substr(from, 120));
}

// Escaped text read back; none when an "&" starts anything but the five references, or a
// character that escaping writes as a reference stands bare.
std::optional<std::string> unescape(std::string_view text) {
  std::string out;
  for (std::size_t at = 0; at < text.size(); ++at) {
    const char c = text[at];
    if (c == '<' || c == '>' || c == '"' || c == '\'') return std::nullopt;
    if (c != '&') {
      out += c;
      continue;
    }
    const auto escape = std::find_if(kEscapes.begin(), kEscapes.end(),
                                     [&](const auto& e) { return text.substr(at + 1).starts_with(e.first); });
    if (escape == kEscapes.end()) return std::nullopt;
    out += escape->second;
    at += escape->first.size();
  }
  return out;
}

// The scheme of an address as a browser might read it at its most lenient: what comes before
// the first ":", with every character that is no ASCII letter dropped, in lower case.
std::string lenientScheme(std::string_view address) {
  std::string scheme;
  for (const char c : address.substr(0, address.find(':'))) {
    const char lower = asciiLower(c);
    if (isLower(lower)) scheme += lower;
  }
  return scheme;
}

class MarkupChecker {
 public:
  explicit MarkupChecker(std::string_view markup) : markup_(markup) {}

  void run() {
    while (at_ < markup_.size()) {
      if (markup_[at_] == '<') {
        tag();
      } else {
        ++at_;
      }
    }
    if (!open_.empty()) breach("every element the description opens it closes", open_.back());
  }

 private:
  [[noreturn]] void fail(std::string_view promise) const { breach(promise, excerpt(markup_, at_)); }

  bool take(char c) {
    if (at_ >= markup_.size() || markup_[at_] != c) return false;
    ++at_;
    return true;
  }

  std::string name(bool digits) {
    std::string out;
    while (at_ < markup_.size() && (isLower(markup_[at_]) || (digits && !out.empty() && isDigit(markup_[at_]))))
      out += markup_[at_++];
    return out;
  }

  void tag() {
    ++at_;
    const bool end = take('/');
    const std::string element = name(true);
    if (element.empty()) fail("every '<' opens a tag written in full");
    if (listed(kForbiddenElements, element)) fail("no element that runs script or pulls in a document");
    if (end) {
      if (!take('>')) fail("an end tag is its name alone");
      if (open_.empty() || open_.back() != element) fail("every end tag closes the element opened last");
      open_.pop_back();
      return;
    }
    while (!take('>')) {
      if (!take(' ')) fail("attributes are written one blank apart, the tag closed by '>'");
      attribute();
    }
    if (!listed(kVoidElements, element)) open_.push_back(element);
  }

  void attribute() {
    const std::string attribute = name(false);
    if (attribute.empty() || !take('=') || !take('"')) fail("every attribute has a name and a quoted value");
    if (attribute.starts_with("on")) fail("no event-handler attribute");
    if (attribute == "style") fail("no style attribute");
    const std::size_t close = markup_.find('"', at_);
    if (close == std::string_view::npos) fail("every attribute value ends with its quote");
    const std::optional<std::string> value = unescape(markup_.substr(at_, close - at_));
    if (!value) fail("attribute values are written escaped");
    if (listed(kAddressAttributes, attribute) && listed(kForbiddenSchemes, lenientScheme(*value)))
      fail("no javascript:, vbscript: or data: address");
    at_ = close + 1;
  }

  std::string_view markup_;
  std::size_t at_ = 0;
  std::vector<std::string> open_;
};

std::string withoutNul(std::wstring_view text) {
  std::wstring kept(text);
  std::erase(kept, L'\0');
  return toUtf8(kept);
}

std::size_t countScripts(std::string_view page) {
  std::string lower(page);
  std::transform(lower.begin(), lower.end(), lower.begin(), asciiLower);
  std::size_t count = 0;
  for (std::size_t at = lower.find("<script"); at != std::string::npos; at = lower.find("<script", at + 1)) ++count;
  return count;
}

// The page cut at its four item slots (the date, the link, the title and the description), and
// the font's name, which the page of an empty item holds as well.
struct PageParts {
  std::string_view date, link, title, description, font;
};

// `page` read against the page of an empty item, whose slots are empty; none when the page's
// own mark-up around the slots is not as written there.
std::optional<PageParts> cutAtSlots(std::string_view page, std::string_view empty) {
  const auto after = [&](std::string_view marker, std::size_t from) {
    const std::size_t found = empty.find(marker, from);
    return found == std::string_view::npos ? found : found + marker.size();
  };
  const std::size_t dateAt = after("<font color=\"#C0C0C0\">", 0);
  const std::size_t linkAt = after("<p><a class=\"navblack\" href=\"", dateAt);
  const std::size_t titleAt = after("\" target=\"_blank\">", linkAt);
  const std::size_t fontAt = after("</a></p><font face=\"", titleAt);
  const std::size_t descriptionAt = after("\">", fontAt);
  if (descriptionAt == std::string_view::npos) breach("the page of an empty item has its four slots", empty);

  PageParts parts;
  parts.font = empty.substr(fontAt, descriptionAt - 2 - fontAt);
  std::size_t at = 0;
  // Each slot runs to the first character its escaping never lets through.
  const auto slot = [&](std::size_t emptyFrom, std::size_t emptyTo, char stop, std::string_view& text) {
    const std::string_view before = empty.substr(emptyFrom, emptyTo - emptyFrom);
    if (page.substr(at, before.size()) != before) return false;
    at += before.size();
    const std::size_t end = page.find(stop, at);
    if (end == std::string_view::npos) return false;
    text = page.substr(at, end - at);
    at = end;
    return true;
  };
  if (!slot(0, dateAt, '<', parts.date) || !slot(dateAt, linkAt, '"', parts.link) ||
      !slot(linkAt, titleAt, '<', parts.title))
    return std::nullopt;
  const std::string_view between = empty.substr(titleAt, descriptionAt - titleAt);
  const std::string_view tail = empty.substr(descriptionAt);
  if (page.substr(at, between.size()) != between || !page.ends_with(tail) ||
      page.size() < at + between.size() + tail.size())
    return std::nullopt;
  at += between.size();
  parts.description = page.substr(at, page.size() - tail.size() - at);
  return parts;
}

void checkEscaped(std::string_view promise, std::string_view written, std::wstring_view text) {
  const std::optional<std::string> read = unescape(written);
  if (!read || *read != withoutNul(text)) breach(promise, written);
}

}  // namespace

void checkSafeMarkup(std::string_view markup) { MarkupChecker(markup).run(); }

void checkFeedPage(std::string_view page, const FeedItem& item, const FeedPageStyle& style) {
  const std::string start = std::string(kUtf8ByteOrderMark) + toUtf8(kFeedPagePreamble);
  if (!page.starts_with(start))
    breach("the page starts with the byte-order mark and the mark of the web", page.substr(0, 80));
  if (!isUtf8(page)) breach("the page is UTF-8, as it says");
  if (page.find('\0') != std::string_view::npos) breach("the page holds no NUL");
  if (countScripts(page) != 1) breach("the page's own script is its only one");

  const std::string empty = feedPageBytes(FeedItem{}, style);
  const std::optional<PageParts> parts = cutAtSlots(page, empty);
  if (!parts) breach("the page's own mark-up stands as written around the item's texts");
  checkEscaped("the date is escaped and reads back as written", parts->date, item.pubDate);
  checkEscaped("the title is escaped and reads back as written", parts->title, item.title);
  checkEscaped("the font's name is escaped and reads back as written", parts->font, style.fontName);
  const std::optional<std::string> link = unescape(parts->link);
  if (!link) breach("the link is escaped", parts->link);
  std::string scheme;
  for (const char c : link->substr(0, link->find("//"))) scheme += asciiLower(c);
  if (!link->empty() && scheme != "http:" && scheme != "https:" && scheme != "ftp:")
    breach("the link is empty or an http, https or ftp address", *link);
  checkSafeMarkup(parts->description);
}

}  // namespace tikora::fuzz
