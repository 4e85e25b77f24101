// The libxml2 document; see libxml_document.h.
#include "platform/native/libxml_document.h"

#include <libxml/parser.h>
#include <libxml/parserInternals.h>
#include <libxml/tree.h>

#include <climits>
#include <cstring>
#include <mutex>

#include "core/utf8.h"
#include "core/xml_prolog.h"

namespace tikora {
namespace {

void initialiseOnce() {
  static std::once_flag once;
  std::call_once(once, [] { xmlInitParser(); });
}

// A document type declaration: remember it and stop, before its internal subset is read.
void refuseDoctype(void* context, const xmlChar*, const xmlChar*, const xmlChar*) {
  auto* parser = static_cast<xmlParserCtxtPtr>(context);
  *static_cast<bool*>(parser->_private) = true;
  xmlStopParser(parser);
}

// Parse errors end the load; they are not printed.
void ignoreError(void*, xmlErrorPtr) {}

bool isBlank(const xmlChar* text) {
  if (text == nullptr) return true;
  for (; *text; ++text)
    if (*text != ' ' && *text != '\t' && *text != '\r' && *text != '\n') return false;
  return true;
}

// Whether the node is one the document's operations see (white-space text is not).
bool counts(const xmlNode* node) {
  switch (node->type) {
    case XML_ELEMENT_NODE:
    case XML_CDATA_SECTION_NODE:
    case XML_COMMENT_NODE:
    case XML_PI_NODE: return true;
    case XML_TEXT_NODE: return !isBlank(node->content);
    default: return false;
  }
}

xmlNode* firstCounted(xmlNode* node) {
  while (node != nullptr && !counts(node)) node = node->next;
  return node;
}

// UTF-8 from the parser to the program's wide text (UTF-16 or UTF-32, as wchar_t is).
std::wstring wide(const xmlChar* text) {
  std::wstring out;
  if (text == nullptr) return out;
  const auto* at = reinterpret_cast<const unsigned char*>(text);
  while (*at) {
    char32_t c = *at;
    int extra = 0;
    if (c >= 0xF0) {
      c &= 0x07;
      extra = 3;
    } else if (c >= 0xE0) {
      c &= 0x0F;
      extra = 2;
    } else if (c >= 0xC0) {
      c &= 0x1F;
      extra = 1;
    }
    ++at;
    for (; extra > 0 && (*at & 0xC0) == 0x80; --extra, ++at) c = (c << 6) | (*at & 0x3F);
    appendCodePoint(out, c);
  }
  return out;
}

// The element's name as written: "prefix:name" or "name".
std::wstring qualifiedName(const xmlNode* node) {
  std::wstring name;
  if (node->ns != nullptr && node->ns->prefix != nullptr) name = wide(node->ns->prefix) + L":";
  return name + wide(node->name);
}

bool named(const xmlNode* node, std::wstring_view name) {
  return node->type == XML_ELEMENT_NODE && qualifiedName(node) == name;
}

}  // namespace

LibXmlDocument::LibXmlDocument() { initialiseOnce(); }

LibXmlDocument::~LibXmlDocument() { release(); }

Status LibXmlDocument::load(std::string_view bytes) {
  release();
  if (bytes.empty()) return Error{0, L"The document is empty."};
  if (!xmlPrologIsPlain(bytes)) return Error{0, L"The document declares a DTD, or its start is not plain XML."};
  if (bytes.size() > static_cast<std::size_t>(INT_MAX)) return Error{0, L"The document is too large."};
  xmlParserCtxtPtr parser = xmlCreateMemoryParserCtxt(bytes.data(), static_cast<int>(bytes.size()));
  if (parser == nullptr) return Error{0, L"The parser could not be made."};
  // No network, no entity substitution, no DTD loading, the parser's default size limits.
  xmlCtxtUseOptions(parser, XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING);
  bool doctype = false;
  parser->_private = &doctype;
  parser->sax->internalSubset = refuseDoctype;
  parser->sax->serror = ignoreError;
  xmlParseDocument(parser);
  const bool wellFormed = parser->wellFormed != 0 && !doctype;
  xmlDocPtr parsed = parser->myDoc;
  parser->myDoc = nullptr;
  xmlFreeParserCtxt(parser);
  if (!wellFormed || parsed == nullptr || xmlDocGetRootElement(parsed) == nullptr) {
    if (parsed != nullptr) xmlFreeDoc(parsed);
    return Error{0, doctype ? L"The document declares a DTD." : L"The document is not well-formed."};
  }
  document_ = parsed;
  return {};
}

XmlNode LibXmlDocument::handOut(xmlNode* node) {
  if (node == nullptr) return {};
  nodes_.push_back(node);
  return XmlNode{static_cast<std::uint32_t>(nodes_.size())};
}

xmlNode* LibXmlDocument::at(XmlNode node) const {
  if (!node || node.id > nodes_.size()) return nullptr;
  return nodes_[node.id - 1];
}

XmlNode LibXmlDocument::documentElement() {
  if (document_ == nullptr) return {};
  return handOut(xmlDocGetRootElement(document_));
}

XmlNode LibXmlDocument::firstChild(XmlNode node) {
  xmlNode* parent = elementAt(node);
  if (parent == nullptr) return {};
  return handOut(firstCounted(parent->children));
}

XmlNode LibXmlDocument::firstChildElement(XmlNode node, std::wstring_view name) {
  xmlNode* parent = elementAt(node);
  if (parent == nullptr) return {};
  for (xmlNode* child = parent->children; child != nullptr; child = child->next)
    if (named(child, name)) return handOut(child);
  return {};
}

XmlNode LibXmlDocument::nextSibling(XmlNode node) {
  xmlNode* current = at(node);
  if (current == nullptr) return {};
  return handOut(firstCounted(current->next));
}

xmlNode* LibXmlDocument::elementAt(XmlNode node) const {
  xmlNode* element = at(node);
  return element != nullptr && element->type == XML_ELEMENT_NODE ? element : nullptr;
}

XmlNodeKind LibXmlDocument::kind(XmlNode node) {
  const xmlNode* found = at(node);
  if (found == nullptr) return XmlNodeKind::None;
  switch (found->type) {
    case XML_ELEMENT_NODE: return XmlNodeKind::Element;
    case XML_TEXT_NODE: return XmlNodeKind::Text;
    case XML_CDATA_SECTION_NODE: return XmlNodeKind::CData;
    case XML_COMMENT_NODE: return XmlNodeKind::Comment;
    case XML_PI_NODE: return XmlNodeKind::Instruction;
    default: return XmlNodeKind::Other;
  }
}

std::wstring LibXmlDocument::localName(XmlNode node) {
  const xmlNode* element = elementAt(node);
  return element != nullptr ? wide(element->name) : std::wstring();
}

std::wstring LibXmlDocument::namespaceUri(XmlNode node) {
  const xmlNode* element = elementAt(node);
  return element != nullptr && element->ns != nullptr ? wide(element->ns->href) : std::wstring();
}

std::vector<XmlAttribute> LibXmlDocument::attributes(XmlNode node) {
  std::vector<XmlAttribute> found;
  const xmlNode* element = elementAt(node);
  if (element == nullptr) return found;
  // Namespace declarations are kept apart from the attributes (nsDef), as they should be.
  for (const xmlAttr* attribute = element->properties; attribute != nullptr; attribute = attribute->next) {
    std::wstring name;
    if (attribute->ns != nullptr && attribute->ns->prefix != nullptr) name = wide(attribute->ns->prefix) + L":";
    name += wide(attribute->name);
    xmlChar* value = xmlNodeGetContent(reinterpret_cast<const xmlNode*>(attribute));
    found.push_back({std::move(name), wide(value)});
    xmlFree(value);
  }
  return found;
}

std::vector<XmlNode> LibXmlDocument::childNodes(XmlNode node) {
  std::vector<XmlNode> children;
  xmlNode* parent = elementAt(node);
  if (parent == nullptr) return children;
  for (xmlNode* child = parent->children; child != nullptr; child = child->next) children.push_back(handOut(child));
  return children;
}

std::wstring LibXmlDocument::nodeText(XmlNode node) {
  const xmlNode* found = at(node);
  if (found == nullptr || (found->type != XML_TEXT_NODE && found->type != XML_CDATA_SECTION_NODE)) return {};
  return wide(found->content);
}

void LibXmlDocument::release() {
  nodes_.clear();
  if (document_ != nullptr) xmlFreeDoc(document_);
  document_ = nullptr;
}

}  // namespace tikora
