// The namespaces of the feed formats the reader knows, and the few namespace-aware looks into a
// loaded document that RSS 1.0 and Atom need beside the name-as-written operations of the
// document itself.
#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/xml_document.h"

namespace tikora {

inline constexpr std::wstring_view kAtomNamespace = L"http://www.w3.org/2005/Atom";
inline constexpr std::wstring_view kRdfNamespace = L"http://www.w3.org/1999/02/22-rdf-syntax-ns#";
inline constexpr std::wstring_view kRss1Namespace = L"http://purl.org/rss/1.0/";
inline constexpr std::wstring_view kDublinCoreNamespace = L"http://purl.org/dc/elements/1.1/";
inline constexpr std::wstring_view kXhtmlNamespace = L"http://www.w3.org/1999/xhtml";

// Whether `node` is the element `name` of namespace `space`.
bool isElementIn(XmlDocument& document, XmlNode node, std::wstring_view space, std::wstring_view name);
// The first child element of `parent` that is `name` of namespace `space`; none when absent.
XmlNode childElementIn(XmlDocument& document, XmlNode parent, std::wstring_view space, std::wstring_view name);
// That child's text (XmlDocument::text); empty when there is no such child.
Result<std::wstring> childTextIn(XmlDocument& document, XmlNode parent, std::wstring_view space,
                                 std::wstring_view name);

// The value of the attribute written `name`; none when the element has none.
std::optional<std::wstring> attributeNamed(const std::vector<XmlAttribute>& attributes, std::wstring_view name);

// Every character of text and CDATA under `node`, in document order.
std::wstring textContent(XmlDocument& document, XmlNode node);
// The content of `node` as HTML mark-up: elements by their local names with their attributes,
// text escaped, comments and instructions left out. For XHTML carried in a feed; what the
// mark-up may do on a page is the sanitiser's to decide.
std::wstring markupOf(XmlDocument& document, XmlNode node);

}  // namespace tikora
