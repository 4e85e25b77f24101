// The feed page's sanitiser; see html_sanitiser.h.
#include "rss/html_sanitiser.h"

#include <algorithm>
#include <vector>

#include "rss/html_tokenizer.h"

namespace tikora {
namespace {

// Elements kept, with the attributes each keeps besides the common ones.
struct AllowedElement {
  std::wstring_view name;
  bool isVoid;  // has no content and no end tag
};
constexpr AllowedElement kAllowedElements[] = {
    {L"a", false},      {L"abbr", false},       {L"acronym", false}, {L"address", false},  {L"b", false},
    {L"big", false},    {L"blockquote", false}, {L"br", true},       {L"caption", false},  {L"center", false},
    {L"cite", false},   {L"code", false},       {L"col", true},      {L"colgroup", false}, {L"dd", false},
    {L"del", false},    {L"dfn", false},        {L"div", false},     {L"dl", false},       {L"dt", false},
    {L"em", false},     {L"figcaption", false}, {L"figure", false},  {L"font", false},     {L"h1", false},
    {L"h2", false},     {L"h3", false},         {L"h4", false},      {L"h5", false},       {L"h6", false},
    {L"hr", true},      {L"i", false},          {L"img", true},      {L"ins", false},      {L"kbd", false},
    {L"li", false},     {L"ol", false},         {L"p", false},       {L"pre", false},      {L"q", false},
    {L"s", false},      {L"samp", false},       {L"small", false},   {L"span", false},     {L"strike", false},
    {L"strong", false}, {L"sub", false},        {L"sup", false},     {L"table", false},    {L"tbody", false},
    {L"td", false},     {L"tfoot", false},      {L"th", false},      {L"thead", false},    {L"tr", false},
    {L"tt", false},     {L"u", false},          {L"ul", false},      {L"var", false},      {L"wbr", true},
};

// Presentation attributes any kept element may carry; none of them holds an address or script.
constexpr std::wstring_view kCommonAttributes[] = {
    L"title",       L"lang",    L"dir",      L"align",   L"valign", L"width",   L"height",  L"bgcolor", L"color",
    L"face",        L"size",    L"border",   L"clear",   L"nowrap", L"noshade", L"hspace",  L"vspace",  L"cellpadding",
    L"cellspacing", L"colspan", L"rowspan",  L"span",    L"start",  L"type",    L"summary", L"abbr",    L"scope",
    L"headers",     L"alt",     L"datetime", L"compact", L"rules",  L"frame",
};

// Attributes that hold an address, on the elements that use them.
struct AddressAttribute {
  std::wstring_view element;
  std::wstring_view attribute;
  AddressUse use;
};
constexpr AddressAttribute kAddressAttributes[] = {
    {L"a", L"href", AddressUse::Link},
    {L"img", L"src", AddressUse::Picture},
    {L"blockquote", L"cite", AddressUse::PageLink},
    {L"q", L"cite", AddressUse::PageLink},
    {L"del", L"cite", AddressUse::PageLink},
    {L"ins", L"cite", AddressUse::PageLink},
};

// Elements whose content is raw text to the browser: it goes with them.
constexpr std::wstring_view kRawTextElements[] = {
    L"script", L"style", L"xmp", L"iframe", L"noembed", L"noframes", L"noscript", L"textarea", L"title", L"plaintext",
};
// Elements whose content is no text for the reader: it goes with them.
constexpr std::wstring_view kDroppedWithContent[] = {
    L"object", L"applet", L"frameset", L"svg",   L"math",   L"template", L"select",   L"button",
    L"xml",    L"head",   L"audio",    L"video", L"canvas", L"map",      L"datalist", L"option",
};

// Elements that start a new line of text, for a text made of mark-up.
constexpr std::wstring_view kBreaksLine[] = {
    L"br", L"p",  L"div", L"li",         L"dt", L"dd", L"tr", L"td",    L"th", L"h1",  L"h2",      L"h3",
    L"h4", L"h5", L"h6",  L"blockquote", L"ul", L"ol", L"dl", L"table", L"hr", L"pre", L"address",
};

template <typename List>
bool listed(const List& list, std::wstring_view name) {
  return std::find(std::begin(list), std::end(list), name) != std::end(list);
}

const AllowedElement* allowedElement(std::wstring_view name) {
  for (const AllowedElement& element : kAllowedElements)
    if (element.name == name) return &element;
  return nullptr;
}

bool isAsciiSpaceOrControl(wchar_t c) { return c <= 0x20; }

// Text as it stood, with "<" and ">" escaped and an "&" kept only where it starts a reference.
void appendText(std::wstring& out, std::wstring_view text) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    const wchar_t c = text[i];
    switch (c) {
      case L'\0': break;
      case L'<': out += L"&lt;"; break;
      case L'>': out += L"&gt;"; break;
      case L'&': {
        const std::wstring_view rest = text.substr(i + 1);
        if (auto decoded = decodeCharacterReference(rest, false)) {
          out += escapeHtml(decoded->characters);
          i += decoded->length;
          break;
        }
        // A well-formed named reference the tokenizer does not know ("&eacute;") is the
        // browser's to read; it is text, whatever it names.
        std::size_t length = 0;
        while (length < rest.size() &&
               ((rest[length] >= L'a' && rest[length] <= L'z') || (rest[length] >= L'A' && rest[length] <= L'Z') ||
                (length > 0 && rest[length] >= L'0' && rest[length] <= L'9')))
          ++length;
        if (length > 0 && length < rest.size() && rest[length] == L';') {
          out += L'&';
          out += rest.substr(0, length + 1);
          i += length + 1;
        } else {
          out += L"&amp;";
        }
        break;
      }
      default: out += c;
    }
  }
}

class Sanitiser {
 public:
  explicit Sanitiser(std::wstring_view html) : tokens_(html) {}

  std::wstring run() {
    while (auto token = tokens_.next()) {
      switch (token->kind) {
        case HtmlToken::Kind::Text: appendText(out_, token->text); break;
        case HtmlToken::Kind::StartTag: startTag(*token); break;
        case HtmlToken::Kind::EndTag: endTag(token->text); break;
        case HtmlToken::Kind::Comment: break;  // conditional comments included
      }
    }
    // Nothing the description leaves open reaches the page's own mark-up after it.
    while (!open_.empty()) closeTop();
    return std::move(out_);
  }

 private:
  void startTag(const HtmlToken& tag) {
    if (listed(kRawTextElements, tag.text)) {
      // A "/>" does not end these elements in HTML: their content follows all the same.
      (void)tokens_.rawText(tag.text);
      return;
    }
    if (listed(kDroppedWithContent, tag.text)) {
      if (!tag.selfClosing) skipElement(tag.text);
      return;
    }
    const AllowedElement* element = allowedElement(tag.text);
    if (!element) return;  // the tag goes, its content stays
    out_ += L'<';
    out_ += element->name;
    for (const HtmlAttribute& attribute : tag.attributes) {
      std::optional<std::wstring> value = keptValue(*element, attribute);
      if (!value) continue;
      out_ += L' ';
      out_ += attribute.name;
      out_ += L"=\"";
      out_ += escapeHtml(*value);
      out_ += L'"';
    }
    out_ += L'>';
    if (!element->isVoid) open_.push_back(std::wstring(element->name));
  }

  static std::optional<std::wstring> keptValue(const AllowedElement& element, const HtmlAttribute& attribute) {
    for (const AddressAttribute& address : kAddressAttributes)
      if (address.element == element.name && address.attribute == attribute.name)
        return allowedAddress(attribute.value, address.use);
    if (element.name == L"a" && attribute.name == L"target") return attribute.value;
    if (listed(kCommonAttributes, attribute.name)) return attribute.value;
    return std::nullopt;
  }

  void endTag(const std::wstring& name) {
    const auto found = std::find(open_.rbegin(), open_.rend(), name);
    if (found == open_.rend()) return;  // closes nothing the description opened
    const auto depth = static_cast<std::size_t>(found - open_.rbegin()) + 1;
    for (std::size_t i = 0; i < depth; ++i) closeTop();
  }

  void closeTop() {
    out_ += L"</" + open_.back() + L">";
    open_.pop_back();
  }

  // Skips to the end tag that closes `name`, counting the same elements nested inside.
  void skipElement(const std::wstring& name) {
    int depth = 1;
    while (auto token = tokens_.next()) {
      if (token->kind == HtmlToken::Kind::StartTag) {
        if (listed(kRawTextElements, token->text)) (void)tokens_.rawText(token->text);
        if (token->text == name && !token->selfClosing) ++depth;
      } else if (token->kind == HtmlToken::Kind::EndTag && token->text == name) {
        if (--depth == 0) return;
      }
    }
  }

  HtmlTokenizer tokens_;
  std::wstring out_;
  std::vector<std::wstring> open_;
};

}  // namespace

std::wstring escapeHtml(std::wstring_view text) {
  std::wstring out;
  out.reserve(text.size());
  for (const wchar_t c : text) {
    switch (c) {
      case L'&': out += L"&amp;"; break;
      case L'<': out += L"&lt;"; break;
      case L'>': out += L"&gt;"; break;
      case L'"': out += L"&quot;"; break;
      case L'\'': out += L"&#39;"; break;
      case L'\0': break;
      default: out += c;
    }
  }
  return out;
}

std::optional<std::wstring> allowedAddress(std::wstring_view address, AddressUse use) {
  while (!address.empty() && isAsciiSpaceOrControl(address.front())) address.remove_prefix(1);
  while (!address.empty() && isAsciiSpaceOrControl(address.back())) address.remove_suffix(1);
  std::wstring cleaned;
  for (const wchar_t c : address) {
    if (c == L'\t' || c == L'\n' || c == L'\r') continue;
    if (c < 0x20 || c == 0x7F) return std::nullopt;
    cleaned += c;
  }
  std::wstring scheme;
  for (const wchar_t c : cleaned) {
    if (c == L':') break;
    scheme += (c >= L'A' && c <= L'Z') ? static_cast<wchar_t>(c - L'A' + L'a') : c;
  }
  if (scheme.size() == cleaned.size()) return std::nullopt;  // no scheme: relative
  const std::wstring_view rest = std::wstring_view(cleaned).substr(scheme.size() + 1);
  const bool hierarchical = rest.substr(0, 2) == L"//" && rest.size() > 2;
  bool allowed = false;
  if (scheme == L"http" || scheme == L"https") allowed = hierarchical;
  if (scheme == L"ftp") allowed = hierarchical && use != AddressUse::Picture;
  if (scheme == L"mailto") allowed = use == AddressUse::Link && !rest.empty();
  if (!allowed) return std::nullopt;
  return cleaned;
}

std::wstring sanitiseDescription(std::wstring_view html) { return Sanitiser(html).run(); }

std::wstring htmlText(std::wstring_view html) {
  HtmlTokenizer tokens(html);
  std::wstring text;
  while (auto token = tokens.next()) {
    if (token->kind == HtmlToken::Kind::Text) {
      const std::wstring_view raw = token->text;
      for (std::size_t i = 0; i < raw.size(); ++i) {
        const auto decoded = raw[i] == L'&' ? decodeCharacterReference(raw.substr(i + 1), false) : std::nullopt;
        if (!decoded) {
          text += raw[i];
          continue;
        }
        text += decoded->characters;
        i += decoded->length;
      }
    } else if (token->kind == HtmlToken::Kind::StartTag) {
      if (listed(kRawTextElements, token->text)) (void)tokens.rawText(token->text);
      if (listed(kBreaksLine, token->text)) text += L' ';
    }
  }
  return collapseWhiteSpace(text);
}

std::wstring collapseWhiteSpace(std::wstring_view text) {
  std::wstring out;
  bool blank = false;
  for (const wchar_t c : text) {
    if (c == L' ' || c == L'\t' || c == L'\r' || c == L'\n' || c == L'\f') {
      blank = !out.empty();
      continue;
    }
    if (blank) out += L' ';
    blank = false;
    out += c;
  }
  return out;
}

}  // namespace tikora
