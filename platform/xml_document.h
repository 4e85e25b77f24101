// A loaded XML document and the few DOM operations the feed reader walks it with. On Windows it
// is the system's MSXML 6 document; the native build has a second implementation on libxml2.
// Both must give the same answers for the same bytes, so the rules are written down here:
//
// - Loading takes the document's bytes. The encoding comes from the byte-order mark or the XML
//   declaration (UTF-8 when neither says). Loading fails for no bytes, for bytes that are not a
//   well-formed document, for an encoding the parser does not know, and for any document that
//   carries a document type declaration (<!DOCTYPE ...>): no DTD is read, so no entity is ever
//   declared, expanded or fetched, and no schema is looked at.
// - Text nodes that hold nothing but white space are not nodes: no operation ever returns one
//   or counts one. Every other node counts: elements, text, CDATA sections, comments and
//   processing instructions.
// - Element names compare exactly, as written in the document (with their prefix, if any).
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/result.h"

namespace tikora {

// A node of the loaded document; the null node (id 0) stands for "none". Valid until the
// document is loaded again or released.
struct XmlNode {
  std::uint32_t id = 0;

  explicit operator bool() const { return id != 0; }
  friend bool operator==(const XmlNode&, const XmlNode&) = default;
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

  // The text of `element`'s first child element named `name`. A child that is not there reads
  // as an empty text. The child's text is empty when it has no content, the whole value of its
  // one child when that is a text node or a CDATA section, and an error for any other content
  // (more than one child node, or a child that is an element, comment or instruction). `element`
  // itself not being an element is an error too.
  virtual Result<std::wstring> childText(XmlNode element, std::wstring_view name) = 0;

  // Lets go of the loaded document and everything it holds.
  virtual void release() = 0;
};

}  // namespace tikora
