// An Atom entry as a feed item; see atom_entry.h.
#include "rss/atom_entry.h"

#include "rss/feed_xml.h"
#include "rss/html_sanitiser.h"

namespace tikora {
namespace {

// What a text construct or a content element holds, by its "type".
enum class AtomText { Text, Html, Xhtml, Elsewhere };

AtomText atomTextOf(const std::vector<XmlAttribute>& attributes) {
  if (attributeNamed(attributes, L"src")) return AtomText::Elsewhere;  // content out of line
  const std::wstring type = attributeNamed(attributes, L"type").value_or(L"text");
  if (type == L"text") return AtomText::Text;
  if (type == L"html" || type == L"text/html") return AtomText::Html;
  if (type == L"xhtml" || type == L"application/xhtml+xml") return AtomText::Xhtml;
  if (type.starts_with(L"text/")) return AtomText::Text;
  return AtomText::Elsewhere;  // a picture or other media, in base64
}

// XHTML content is one XHTML div around the content proper.
XmlNode xhtmlContent(XmlDocument& document, XmlNode element) {
  const XmlNode div = childElementIn(document, element, kXhtmlNamespace, L"div");
  return div ? div : element;
}

Result<std::wstring> titleOf(XmlDocument& document, XmlNode title) {
  if (!title) return std::wstring();
  switch (atomTextOf(document.attributes(title))) {
    case AtomText::Html: {
      auto markup = document.text(title);
      if (!markup) return markup;
      return htmlText(*markup);
    }
    case AtomText::Xhtml: return collapseWhiteSpace(textContent(document, xhtmlContent(document, title)));
    default: return document.text(title);
  }
}

// The mark-up the page shows for a summary or content element.
Result<std::wstring> pageMarkupOf(XmlDocument& document, XmlNode element) {
  if (!element) return std::wstring();
  switch (atomTextOf(document.attributes(element))) {
    case AtomText::Text: {
      auto text = document.text(element);
      if (!text) return text;
      return escapeHtml(*text);
    }
    case AtomText::Html: return document.text(element);
    case AtomText::Xhtml: return markupOf(document, xhtmlContent(document, element));
    case AtomText::Elsewhere: break;
  }
  return std::wstring();
}

std::wstring linkOf(XmlDocument& document, XmlNode entry) {
  std::optional<std::wstring> withoutRel;
  for (XmlNode child = document.firstChild(entry); child; child = document.nextSibling(child)) {
    if (!isElementIn(document, child, kAtomNamespace, L"link")) continue;
    const std::vector<XmlAttribute> attributes = document.attributes(child);
    const std::optional<std::wstring> rel = attributeNamed(attributes, L"rel");
    if (rel == L"alternate") return attributeNamed(attributes, L"href").value_or(L"");
    if (!rel && !withoutRel) withoutRel = attributeNamed(attributes, L"href").value_or(L"");
  }
  return withoutRel.value_or(L"");
}

std::wstring dateOf(XmlDocument& document, XmlNode entry) {
  for (const wchar_t* name : {L"updated", L"published"}) {
    const Result<std::wstring> date = childTextIn(document, entry, kAtomNamespace, name);
    if (date && !date->empty()) return *date;
  }
  return {};
}

}  // namespace

std::optional<FeedItem> readAtomEntry(XmlDocument& document, XmlNode entry) {
  auto title = titleOf(document, childElementIn(document, entry, kAtomNamespace, L"title"));
  if (!title) return std::nullopt;
  auto description = pageMarkupOf(document, childElementIn(document, entry, kAtomNamespace, L"summary"));
  if (!description) return std::nullopt;
  if (description->empty()) {
    description = pageMarkupOf(document, childElementIn(document, entry, kAtomNamespace, L"content"));
    if (!description) return std::nullopt;
  }
  return FeedItem{std::move(*title), linkOf(document, entry), std::move(*description), dateOf(document, entry)};
}

}  // namespace tikora
