// A loaded XML document and the few DOM operations the feed reader walks it with. On Windows it
// is the system's MSXML 6 document; the native build has a second implementation on libxml2.
// Both must give the same answers for the same bytes, so the rules are written down here:
//
// - Loading takes the document's bytes. The encoding comes from the byte-order mark or the XML
//   declaration (UTF-8 when neither says). Loading fails for no bytes, for bytes that are not a
//   well-formed document, for an encoding the parser does not know, and for any document that
//   carries a document type declaration (<!DOCTYPE ...>): no DTD is read, so no entity is ever
//   declared, expanded or fetched, and no schema is looked at.
// - Text nodes that hold nothing but white space are not nodes: no operation but childNodes
//   ever returns one or counts one. Every other node counts: elements, text, CDATA sections,
//   comments and processing instructions.
// - Element names given as text compare exactly, as written in the document (with their prefix,
//   if any). Namespaces are seen through localName and namespaceUri: an element's namespace is
//   the one its prefix, or the default namespace in scope, is bound to.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/result.h"

namespace tikora {

// A node of the loaded document; the null node (id 0) stands for "none". Valid until the
// document is loaded again or released.
struct XmlNode {
  std::uint32_t id = 0;

  explicit operator bool() const { return id != 0; }
  friend bool operator==(const XmlNode&, const XmlNode&) = default;
};

enum class XmlNodeKind { None, Element, Text, CData, Comment, Instruction, Other };

// An attribute as written: its name with its prefix, if any, and its value.
struct XmlAttribute {
  std::wstring name;
  std::wstring value;

  friend bool operator==(const XmlAttribute&, const XmlAttribute&) = default;
};

class XmlDocument {
 public:
  virtual ~XmlDocument() = default;

  // Loads a document from its bytes, releasing the one loaded before (also when this fails).
  virtual Status load(std::string_view bytes) = 0;

  // The document element; none when nothing is loaded.
  virtual XmlNode documentElement() = 0;
  // The first node of `node`'s child list; none for a node without children.
  virtual XmlNode firstChild(XmlNode node) = 0;
  // The first child element of `node` named `name`; none when there is no such child.
  virtual XmlNode firstChildElement(XmlNode node, std::wstring_view name) = 0;
  // The node after `node` among its parent's children, whatever its kind; none after the last.
  virtual XmlNode nextSibling(XmlNode node) = 0;

  // What `node` is; None for the null node.
  virtual XmlNodeKind kind(XmlNode node) = 0;
  // An element's name without its prefix, and the namespace it is in (empty for none); both
  // empty for any other node.
  virtual std::wstring localName(XmlNode node) = 0;
  virtual std::wstring namespaceUri(XmlNode node) = 0;
  // An element's attributes in document order; namespace declarations (xmlns, xmlns:p) are not
  // attributes. Nothing for any other node.
  virtual std::vector<XmlAttribute> attributes(XmlNode node) = 0;
  // Every child of `node` in order, white-space text included: for mark-up whose blanks count.
  virtual std::vector<XmlNode> childNodes(XmlNode node) = 0;
  // The characters of a text node or a CDATA section; empty for any other node.
  virtual std::wstring nodeText(XmlNode node) = 0;

  // Lets go of the loaded document and everything it holds.
  virtual void release() = 0;

  // The text of `element`: empty when it has no content, the whole value of its one child when
  // that is a text node or a CDATA section, and an error for any other content (more than one
  // child node, or a child that is an element, comment or instruction) and for a node that is
  // no element. Written once here, so both documents answer alike.
  Result<std::wstring> text(XmlNode element) {
    if (kind(element) != XmlNodeKind::Element) return Error{0, L"Only an element has a text."};
    XmlNode only;
    for (const XmlNode child : childNodes(element)) {
      const XmlNodeKind childKind = kind(child);
      if (childKind == XmlNodeKind::Text && isBlank(nodeText(child))) continue;
      if (only) return Error{0, L"The element holds more than one node."};
      if (childKind != XmlNodeKind::Text && childKind != XmlNodeKind::CData)
        return Error{0, L"The element holds more than text."};
      only = child;
    }
    return only ? nodeText(only) : std::wstring();
  }

  // The text of `element`'s first child element named `name`; a child that is not there reads
  // as an empty text. `element` not being an element is an error.
  Result<std::wstring> childText(XmlNode element, std::wstring_view name) {
    if (kind(element) != XmlNodeKind::Element) return Error{0, L"Only an element has named children."};
    const XmlNode child = firstChildElement(element, name);
    if (!child) return std::wstring();
    return text(child);
  }

  // White space as XML has it: blanks, tabs, carriage returns and line feeds.
  static bool isBlank(std::wstring_view text) { return text.find_first_not_of(L" \t\r\n") == std::wstring_view::npos; }
};

}  // namespace tikora
