// The MSXML 6 document; see win32_xml_document.h.
#include "platform/win32/win32_xml_document.h"

#include <oleauto.h>

#include <climits>
#include <cstring>
#include <string>

#include "core/xml_prolog.h"

namespace tikora {
namespace {

using Microsoft::WRL::ComPtr;

// MSXML 6's document class and the interfaces used, spelled out (MinGW has no msxml6 library).
constexpr CLSID kDomDocument60 = {0x88d96a05, 0xf192, 0x11d4, {0xa6, 0x5f, 0x00, 0x40, 0x96, 0x32, 0x51, 0xe5}};
constexpr IID kXmlDomDocument2 = {0x2933bf95, 0x7b36, 0x11d2, {0xb2, 0x0e, 0x00, 0xc0, 0x4f, 0x98, 0x3e, 0x60}};

// A BSTR that frees itself.
class Bstr {
 public:
  Bstr() = default;
  explicit Bstr(const wchar_t* text) : text_(SysAllocString(text)) {}
  ~Bstr() { SysFreeString(text_); }
  Bstr(const Bstr&) = delete;
  Bstr& operator=(const Bstr&) = delete;
  operator BSTR() const { return text_; }
  BSTR* receive() {
    SysFreeString(text_);
    text_ = nullptr;
    return &text_;
  }
  std::wstring text() const { return text_ ? std::wstring(text_, SysStringLen(text_)) : std::wstring(); }

 private:
  BSTR text_ = nullptr;
};

DOMNodeType typeOf(IXMLDOMNode* node) {
  DOMNodeType type = NODE_INVALID;
  node->get_nodeType(&type);
  return type;
}

std::wstring valueOf(IXMLDOMNode* node) {
  VARIANT value;
  VariantInit(&value);
  std::wstring text;
  if (SUCCEEDED(node->get_nodeValue(&value)) && value.vt == VT_BSTR && value.bstrVal)
    text.assign(value.bstrVal, SysStringLen(value.bstrVal));
  VariantClear(&value);
  return text;
}

// A text property of a node: its name as written, its local name, its namespace.
using TextProperty = HRESULT (STDMETHODCALLTYPE IXMLDOMNode::*)(BSTR*);
std::wstring textOf(IXMLDOMNode* node, TextProperty property) {
  Bstr text;
  (node->*property)(text.receive());
  return text.text();
}

std::wstring nameOf(IXMLDOMNode* node) { return textOf(node, &IXMLDOMNode::get_nodeName); }

// Whether the node is one the document's operations see (white-space text is not).
bool counts(IXMLDOMNode* node) {
  switch (typeOf(node)) {
    case NODE_ELEMENT:
    case NODE_CDATA_SECTION:
    case NODE_COMMENT:
    case NODE_PROCESSING_INSTRUCTION: return true;
    case NODE_TEXT: return !XmlDocument::isBlank(valueOf(node));
    default: return false;
  }
}

ComPtr<IXMLDOMNode> next(IXMLDOMNode* node) {
  ComPtr<IXMLDOMNode> sibling;
  if (node->get_nextSibling(sibling.GetAddressOf()) != S_OK) sibling.Reset();
  return sibling;
}

ComPtr<IXMLDOMNode> first(IXMLDOMNode* node) {
  ComPtr<IXMLDOMNode> child;
  if (node->get_firstChild(child.GetAddressOf()) != S_OK) child.Reset();
  return child;
}

ComPtr<IXMLDOMNode> firstCounted(ComPtr<IXMLDOMNode> node) {
  while (node && !counts(node.Get())) node = next(node.Get());
  return node;
}

ComPtr<IXMLDOMNode> childNamed(IXMLDOMNode* parent, std::wstring_view name) {
  for (ComPtr<IXMLDOMNode> child = first(parent); child; child = next(child.Get()))
    if (typeOf(child.Get()) == NODE_ELEMENT && nameOf(child.Get()) == name) return child;
  return {};
}

void setProperty(IXMLDOMDocument2* document, const wchar_t* name, bool on) {
  VARIANT value;
  VariantInit(&value);
  value.vt = VT_BOOL;
  value.boolVal = on ? VARIANT_TRUE : VARIANT_FALSE;
  document->setProperty(Bstr(name), value);
}

}  // namespace

Win32XmlDocument::Win32XmlDocument() {
  const HRESULT initialised = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  uninitialise_ = SUCCEEDED(initialised);  // S_FALSE too: every success is balanced
}

Win32XmlDocument::~Win32XmlDocument() {
  release();
  if (uninitialise_) CoUninitialize();
}

Status Win32XmlDocument::load(std::string_view bytes) {
  release();
  if (bytes.empty()) return Error{0, L"The document is empty."};
  if (!xmlPrologIsPlain(bytes)) return Error{0, L"The document declares a DTD, or its start is not plain XML."};
  if (bytes.size() > static_cast<std::size_t>(LONG_MAX)) return Error{0, L"The document is too large."};
  ComPtr<IXMLDOMDocument2> document;
  HRESULT result = CoCreateInstance(kDomDocument60, nullptr, CLSCTX_INPROC_SERVER, kXmlDomDocument2,
                                    reinterpret_cast<void**>(document.GetAddressOf()));
  if (FAILED(result)) return Error{static_cast<std::uint32_t>(result), L"MSXML 6 is not available."};
  document->put_async(VARIANT_FALSE);
  document->put_validateOnParse(VARIANT_FALSE);
  document->put_resolveExternals(VARIANT_FALSE);
  // White space is kept as the bytes have it; the walk itself skips white-space text nodes.
  document->put_preserveWhiteSpace(VARIANT_TRUE);
  setProperty(document.Get(), L"ProhibitDTD", true);
  setProperty(document.Get(), L"UseInlineSchema", false);
  setProperty(document.Get(), L"AllowDocumentFunction", false);
  setProperty(document.Get(), L"AllowXsltScript", false);

  // The bytes as they came, so the parser reads the encoding from the mark or the declaration.
  SAFEARRAY* array = SafeArrayCreateVector(VT_UI1, 0, static_cast<ULONG>(bytes.size()));
  if (array == nullptr) return Error{0, L"No memory for the document."};
  void* data = nullptr;
  if (SUCCEEDED(SafeArrayAccessData(array, &data))) {
    std::memcpy(data, bytes.data(), bytes.size());
    SafeArrayUnaccessData(array);
  }
  VARIANT source;
  VariantInit(&source);
  source.vt = VT_ARRAY | VT_UI1;
  source.parray = array;
  VARIANT_BOOL loaded = VARIANT_FALSE;
  result = document->load(source, &loaded);
  VariantClear(&source);
  if (FAILED(result) || loaded != VARIANT_TRUE) return Error{0, L"The document is not well-formed."};
  // However the parser was told, a document that came with a DTD is not taken.
  ComPtr<IXMLDOMDocumentType> doctype;
  if (document->get_doctype(doctype.GetAddressOf()) == S_OK && doctype)
    return Error{0, L"The document declares a DTD."};
  ComPtr<IXMLDOMElement> root;
  if (document->get_documentElement(root.GetAddressOf()) != S_OK || !root)
    return Error{0, L"The document has no document element."};
  document_ = document;
  return {};
}

XmlNode Win32XmlDocument::handOut(ComPtr<IXMLDOMNode> node) {
  if (!node) return {};
  nodes_.push_back(std::move(node));
  return XmlNode{static_cast<std::uint32_t>(nodes_.size())};
}

IXMLDOMNode* Win32XmlDocument::at(XmlNode node) const {
  if (!node || node.id > nodes_.size()) return nullptr;
  return nodes_[node.id - 1].Get();
}

XmlNode Win32XmlDocument::documentElement() {
  if (!document_) return {};
  ComPtr<IXMLDOMElement> root;
  if (document_->get_documentElement(root.GetAddressOf()) != S_OK || !root) return {};
  ComPtr<IXMLDOMNode> node;
  // An element is a node: the first interface it derives from.
  node = static_cast<IXMLDOMNode*>(root.Get());
  return handOut(std::move(node));
}

XmlNode Win32XmlDocument::firstChild(XmlNode node) {
  IXMLDOMNode* parent = elementAt(node);
  if (parent == nullptr) return {};
  return handOut(firstCounted(first(parent)));
}

XmlNode Win32XmlDocument::firstChildElement(XmlNode node, std::wstring_view name) {
  IXMLDOMNode* parent = elementAt(node);
  if (parent == nullptr) return {};
  return handOut(childNamed(parent, name));
}

XmlNode Win32XmlDocument::nextSibling(XmlNode node) {
  IXMLDOMNode* current = at(node);
  if (current == nullptr) return {};
  return handOut(firstCounted(next(current)));
}

IXMLDOMNode* Win32XmlDocument::elementAt(XmlNode node) const {
  IXMLDOMNode* element = at(node);
  return element != nullptr && typeOf(element) == NODE_ELEMENT ? element : nullptr;
}

XmlNodeKind Win32XmlDocument::kind(XmlNode node) {
  IXMLDOMNode* found = at(node);
  if (found == nullptr) return XmlNodeKind::None;
  switch (typeOf(found)) {
    case NODE_ELEMENT: return XmlNodeKind::Element;
    case NODE_TEXT: return XmlNodeKind::Text;
    case NODE_CDATA_SECTION: return XmlNodeKind::CData;
    case NODE_COMMENT: return XmlNodeKind::Comment;
    case NODE_PROCESSING_INSTRUCTION: return XmlNodeKind::Instruction;
    default: return XmlNodeKind::Other;
  }
}

std::wstring Win32XmlDocument::localName(XmlNode node) {
  IXMLDOMNode* element = elementAt(node);
  return element != nullptr ? textOf(element, &IXMLDOMNode::get_baseName) : std::wstring();
}

std::wstring Win32XmlDocument::namespaceUri(XmlNode node) {
  IXMLDOMNode* element = elementAt(node);
  return element != nullptr ? textOf(element, &IXMLDOMNode::get_namespaceURI) : std::wstring();
}

std::vector<XmlAttribute> Win32XmlDocument::attributes(XmlNode node) {
  std::vector<XmlAttribute> found;
  IXMLDOMNode* element = elementAt(node);
  ComPtr<IXMLDOMNamedNodeMap> map;
  if (element == nullptr || element->get_attributes(map.GetAddressOf()) != S_OK || !map) return found;
  long count = 0;
  map->get_length(&count);
  for (long index = 0; index < count; ++index) {
    ComPtr<IXMLDOMNode> attribute;
    if (map->get_item(index, attribute.GetAddressOf()) != S_OK || !attribute) continue;
    std::wstring name = nameOf(attribute.Get());
    // MSXML lists namespace declarations among the attributes; the document's rules do not.
    if (name == L"xmlns" || name.starts_with(L"xmlns:")) continue;
    found.push_back({std::move(name), valueOf(attribute.Get())});
  }
  return found;
}

std::vector<XmlNode> Win32XmlDocument::childNodes(XmlNode node) {
  std::vector<XmlNode> children;
  IXMLDOMNode* parent = elementAt(node);
  if (parent == nullptr) return children;
  for (ComPtr<IXMLDOMNode> child = first(parent); child; child = next(child.Get())) children.push_back(handOut(child));
  return children;
}

std::wstring Win32XmlDocument::nodeText(XmlNode node) {
  IXMLDOMNode* found = at(node);
  if (found == nullptr) return {};
  const DOMNodeType type = typeOf(found);
  return type == NODE_TEXT || type == NODE_CDATA_SECTION ? valueOf(found) : std::wstring();
}

void Win32XmlDocument::release() {
  nodes_.clear();
  document_.Reset();
}

}  // namespace tikora
