// Namespace-aware looks into a feed document; see feed_xml.h.
#include "rss/feed_xml.h"

#include "rss/html_sanitiser.h"

namespace tikora {
namespace {

// Deeper mark-up than this is left out: no feed needs it, and the walk stays shallow.
constexpr int kDeepestMarkup = 64;

void appendText(XmlDocument& document, XmlNode node, std::wstring& out, int depth) {
  for (const XmlNode child : document.childNodes(node)) {
    const XmlNodeKind kind = document.kind(child);
    if (kind == XmlNodeKind::Text || kind == XmlNodeKind::CData) out += document.nodeText(child);
    if (kind == XmlNodeKind::Element && depth < kDeepestMarkup) appendText(document, child, out, depth + 1);
  }
}

void appendMarkup(XmlDocument& document, XmlNode node, std::wstring& out, int depth) {
  for (const XmlNode child : document.childNodes(node)) {
    switch (document.kind(child)) {
      case XmlNodeKind::Text:
      case XmlNodeKind::CData: out += escapeHtml(document.nodeText(child)); break;
      case XmlNodeKind::Element: {
        if (depth >= kDeepestMarkup) break;
        const std::wstring name = document.localName(child);
        out += L'<' + name;
        for (const XmlAttribute& attribute : document.attributes(child))
          out += L' ' + attribute.name + L"=\"" + escapeHtml(attribute.value) + L'"';
        out += L'>';
        appendMarkup(document, child, out, depth + 1);
        out += L"</" + name + L'>';
        break;
      }
      default: break;  // comments and instructions are no content
    }
  }
}

}  // namespace

bool isElementIn(XmlDocument& document, XmlNode node, std::wstring_view space, std::wstring_view name) {
  return document.kind(node) == XmlNodeKind::Element && document.localName(node) == name &&
         document.namespaceUri(node) == space;
}

XmlNode childElementIn(XmlDocument& document, XmlNode parent, std::wstring_view space, std::wstring_view name) {
  for (XmlNode child = document.firstChild(parent); child; child = document.nextSibling(child))
    if (isElementIn(document, child, space, name)) return child;
  return {};
}

Result<std::wstring> childTextIn(XmlDocument& document, XmlNode parent, std::wstring_view space,
                                 std::wstring_view name) {
  const XmlNode child = childElementIn(document, parent, space, name);
  if (!child) return std::wstring();
  return document.text(child);
}

std::optional<std::wstring> attributeNamed(const std::vector<XmlAttribute>& attributes, std::wstring_view name) {
  for (const XmlAttribute& attribute : attributes)
    if (attribute.name == name) return attribute.value;
  return std::nullopt;
}

std::wstring textContent(XmlDocument& document, XmlNode node) {
  std::wstring out;
  appendText(document, node, out, 0);
  return out;
}

std::wstring markupOf(XmlDocument& document, XmlNode node) {
  std::wstring out;
  appendMarkup(document, node, out, 0);
  return out;
}

}  // namespace tikora
