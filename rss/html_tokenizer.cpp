// The HTML tokenizer; see html_tokenizer.h.
#include "rss/html_tokenizer.h"

#include <algorithm>
#include <array>
#include <utility>

#include "core/utf8.h"

namespace tikora {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

bool isAsciiAlpha(wchar_t c) { return (c >= L'a' && c <= L'z') || (c >= L'A' && c <= L'Z'); }
bool isAsciiDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }
bool isAsciiAlphanumeric(wchar_t c) { return isAsciiAlpha(c) || isAsciiDigit(c); }
bool isHexDigit(wchar_t c) { return isAsciiDigit(c) || (c >= L'a' && c <= L'f') || (c >= L'A' && c <= L'F'); }
// The standard's white space in tags; a carriage return counts too, as the browser's input
// stream has turned it into a line feed before the tokenizer sees it.
bool isTagSpace(wchar_t c) { return c == L'\t' || c == L'\n' || c == L'\f' || c == L' ' || c == L'\r'; }
wchar_t asciiLower(wchar_t c) { return (c >= L'A' && c <= L'Z') ? static_cast<wchar_t>(c - L'A' + L'a') : c; }

// Numeric references to C1 controls stand for the windows-1252 characters at those codes.
constexpr std::array<char16_t, 32> kWindows1252High{0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                                    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                                    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                                    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

struct NamedReference {
  std::wstring_view name;
  char32_t character;
  bool legacy;  // also known without its ";"
};
// The references feeds use most, and every one that spells a character of an address's scheme
// or its punctuation. Names not listed are left as they stand.
constexpr NamedReference kNamedReferences[] = {
    {L"amp", L'&', true},      {L"lt", L'<', true},        {L"gt", L'>', true},        {L"quot", L'"', true},
    {L"nbsp", 0xA0, true},     {L"copy", 0xA9, true},      {L"reg", 0xAE, true},       {L"apos", L'\'', false},
    {L"colon", L':', false},   {L"Tab", L'\t', false},     {L"NewLine", L'\n', false}, {L"sol", L'/', false},
    {L"bsol", L'\\', false},   {L"lpar", L'(', false},     {L"rpar", L')', false},     {L"period", L'.', false},
    {L"comma", L',', false},   {L"semi", L';', false},     {L"excl", L'!', false},     {L"num", L'#', false},
    {L"percnt", L'%', false},  {L"equals", L'=', false},   {L"quest", L'?', false},    {L"commat", L'@', false},
    {L"plus", L'+', false},    {L"hellip", 0x2026, false}, {L"mdash", 0x2014, false},  {L"ndash", 0x2013, false},
    {L"lsquo", 0x2018, false}, {L"rsquo", 0x2019, false},  {L"ldquo", 0x201C, false},  {L"rdquo", 0x201D, false},
    {L"laquo", 0xAB, true},    {L"raquo", 0xBB, true},     {L"middot", 0xB7, true},    {L"bull", 0x2022, false},
    {L"trade", 0x2122, false}, {L"euro", 0x20AC, false},   {L"deg", 0xB0, true},
};

std::wstring codePointText(char32_t c) {
  std::wstring text;
  appendCodePoint(text, c);
  return text;
}

std::optional<DecodedReference> numericReference(std::wstring_view text) {
  // text[0] is '#'.
  std::size_t at = 1;
  const bool hex = at < text.size() && (text[at] == L'x' || text[at] == L'X');
  if (hex) ++at;
  const std::size_t digitsFrom = at;
  std::uint32_t value = 0;
  while (at < text.size() && (hex ? isHexDigit(text[at]) : isAsciiDigit(text[at]))) {
    const wchar_t c = text[at];
    const std::uint32_t digit = isAsciiDigit(c) ? c - L'0' : asciiLower(c) - L'a' + 10;
    value = std::min<std::uint32_t>(value * (hex ? 16 : 10) + digit, 0x110000);
    ++at;
  }
  if (at == digitsFrom) return std::nullopt;
  if (at < text.size() && text[at] == L';') ++at;
  char32_t character = value;
  if (value == 0 || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) {
    character = kReplacement;
  } else if (value >= 0x80 && value <= 0x9F) {
    character = kWindows1252High[value - 0x80];
  }
  return DecodedReference{codePointText(character), at};
}

}  // namespace

std::optional<DecodedReference> decodeCharacterReference(std::wstring_view text, bool inAttribute) {
  if (text.empty()) return std::nullopt;
  if (text[0] == L'#') return numericReference(text);
  std::size_t length = 0;
  while (length < text.size() && isAsciiAlphanumeric(text[length])) ++length;
  if (length == 0) return std::nullopt;
  const std::wstring_view name = text.substr(0, length);
  if (length < text.size() && text[length] == L';') {
    for (const NamedReference& named : kNamedReferences)
      if (named.name == name) return DecodedReference{codePointText(named.character), length + 1};
  }
  // Without its ";": the longest legacy name the text starts with.
  const NamedReference* best = nullptr;
  for (const NamedReference& named : kNamedReferences)
    if (named.legacy && name.substr(0, named.name.size()) == named.name &&
        (!best || named.name.size() > best->name.size()))
      best = &named;
  if (!best) return std::nullopt;
  const std::size_t used = best->name.size();
  if (used < text.size() && text[used] == L';') return std::nullopt;  // "&ampx;": an unknown name
  if (inAttribute && used < text.size() && (isAsciiAlphanumeric(text[used]) || text[used] == L'=')) return std::nullopt;
  return DecodedReference{codePointText(best->character), used};
}

bool HtmlTokenizer::lookingAt(std::wstring_view text, bool ignoreCase) const {
  if (input_.size() - at_ < text.size()) return false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const wchar_t have = input_[at_ + i];
    if (ignoreCase ? asciiLower(have) != asciiLower(text[i]) : have != text[i]) return false;
  }
  return true;
}

std::optional<HtmlToken> HtmlTokenizer::next() {
  while (!atEnd()) {
    if (peek() != L'<') return text();
    const wchar_t after = peek(1);
    if (after == L'!') {
      if (lookingAt(L"<!--", false)) return comment();
      at_ += 2;
      return bogusComment();
    }
    if (after == L'/') {
      const wchar_t first = peek(2);
      if (isAsciiAlpha(first)) {
        if (auto token = tag(true)) return token;
        continue;
      }
      if (first == L'>') {  // "</>" is dropped
        at_ += 3;
        continue;
      }
      if (at_ + 2 >= input_.size()) return text();  // "</" at the very end is text
      at_ += 2;
      return bogusComment();
    }
    if (isAsciiAlpha(after)) {
      if (auto token = tag(false)) return token;
      continue;
    }
    if (after == L'?') {
      ++at_;
      return bogusComment();
    }
    return text();  // a "<" that opens nothing is text
  }
  return std::nullopt;
}

HtmlToken HtmlTokenizer::text() {
  HtmlToken token;
  const std::size_t from = at_;
  ++at_;  // the first character is text even when it is a "<"
  while (!atEnd() && peek() != L'<') ++at_;
  token.text = std::wstring(input_.substr(from, at_ - from));
  return token;
}

std::optional<HtmlToken> HtmlTokenizer::tag(bool end) {
  HtmlToken token;
  token.kind = end ? HtmlToken::Kind::EndTag : HtmlToken::Kind::StartTag;
  at_ += end ? 2 : 1;
  while (!atEnd() && !isTagSpace(peek()) && peek() != L'/' && peek() != L'>') {
    const wchar_t c = peek();
    if (c == L'\0') {
      appendCodePoint(token.text, kReplacement);
    } else {
      token.text += asciiLower(c);
    }
    ++at_;
  }
  // A tag the text ends inside is no tag: the browser drops it.
  if (!attributes(token)) return std::nullopt;
  if (end) {
    token.attributes.clear();
    token.selfClosing = false;
  }
  return token;
}

bool HtmlTokenizer::attributes(HtmlToken& token) {
  for (;;) {
    while (!atEnd() && isTagSpace(peek())) ++at_;
    if (atEnd()) return false;
    wchar_t c = peek();
    if (c == L'>') {
      ++at_;
      return true;
    }
    if (c == L'/') {
      ++at_;
      if (atEnd()) return false;
      if (peek() == L'>') {
        ++at_;
        token.selfClosing = true;
        return true;
      }
      continue;
    }
    HtmlAttribute attribute;
    attribute.name += asciiLower(c);  // may be "=": a name that starts with one keeps it
    ++at_;
    while (!atEnd() && !isTagSpace(peek()) && peek() != L'/' && peek() != L'>' && peek() != L'=') {
      c = peek();
      if (c == L'\0') {
        appendCodePoint(attribute.name, kReplacement);
      } else {
        attribute.name += asciiLower(c);
      }
      ++at_;
    }
    while (!atEnd() && isTagSpace(peek())) ++at_;
    if (atEnd()) return false;
    if (peek() == L'=') {
      ++at_;
      while (!atEnd() && isTagSpace(peek())) ++at_;
      if (atEnd()) return false;
      c = peek();
      if (c == L'"' || c == L'\'') {
        ++at_;
        attribute.value = attributeValue(c);
        if (atEnd()) return false;  // no closing quote
        ++at_;
      } else if (c != L'>') {
        attribute.value = attributeValue(L'\0');
        if (atEnd()) return false;
      }
    }
    const bool known = std::any_of(token.attributes.begin(), token.attributes.end(),
                                   [&](const HtmlAttribute& a) { return a.name == attribute.name; });
    if (!known) token.attributes.push_back(std::move(attribute));
  }
}

std::wstring HtmlTokenizer::attributeValue(wchar_t quote) {
  std::wstring value;
  while (!atEnd()) {
    const wchar_t c = peek();
    if (quote ? c == quote : (isTagSpace(c) || c == L'>')) break;
    if (c == L'&') {
      if (auto decoded = decodeCharacterReference(input_.substr(at_ + 1), true)) {
        value += decoded->characters;
        at_ += 1 + decoded->length;
        continue;
      }
    }
    if (c == L'\0') {
      appendCodePoint(value, kReplacement);
    } else {
      value += c;
    }
    ++at_;
  }
  return value;
}

HtmlToken HtmlTokenizer::comment() {
  HtmlToken token;
  token.kind = HtmlToken::Kind::Comment;
  at_ += 4;  // "<!--"
  // "<!-->" and "<!--->" close at once.
  if (lookingAt(L">", false)) {
    ++at_;
    return token;
  }
  if (lookingAt(L"->", false)) {
    at_ += 2;
    return token;
  }
  const std::size_t from = at_;
  const std::size_t close = input_.find(L"-->", from);
  const std::size_t bangClose = input_.find(L"--!>", from);
  const std::size_t end = std::min(close, bangClose);
  if (end == std::wstring_view::npos) {
    token.text = std::wstring(input_.substr(from));
    at_ = input_.size();
  } else {
    token.text = std::wstring(input_.substr(from, end - from));
    at_ = end + (end == close ? 3 : 4);
  }
  return token;
}

HtmlToken HtmlTokenizer::bogusComment() {
  HtmlToken token;
  token.kind = HtmlToken::Kind::Comment;
  const std::size_t end = input_.find(L'>', at_);
  if (end == std::wstring_view::npos) {
    token.text = std::wstring(input_.substr(at_));
    at_ = input_.size();
  } else {
    token.text = std::wstring(input_.substr(at_, end - at_));
    at_ = end + 1;
  }
  return token;
}

std::wstring HtmlTokenizer::rawText(std::wstring_view name) {
  const std::size_t from = at_;
  while (!atEnd()) {
    if (peek() == L'<' && peek(1) == L'/') {
      const std::size_t saved = at_;
      at_ += 2;
      if (lookingAt(name, true)) {
        const wchar_t after = peek(name.size());
        if (at_ + name.size() < input_.size() && (isTagSpace(after) || after == L'/' || after == L'>')) {
          std::wstring content(input_.substr(from, saved - from));
          at_ = saved;
          tag(true);  // the end tag, through its ">" (or the rest of the text)
          return content;
        }
      }
      at_ = saved;
    }
    ++at_;
  }
  return std::wstring(input_.substr(from));
}

}  // namespace tikora
