// The XML document of the native build, on libxml2: the same operations and answers as the
// MSXML document of the Windows build (platform/xml_document.h has the rules), for the unit
// tests and benchmarks. The parser reads no DTD: a document whose prolog is not plain is not
// parsed at all, a document type declaration the parser meets anyway stops the parse before
// any declaration in it is read, and nothing is fetched from the network.
#pragma once
#include <vector>

#include "platform/xml_document.h"

struct _xmlDoc;
struct _xmlNode;

namespace tikora {

class LibXmlDocument : public XmlDocument {
 public:
  LibXmlDocument();
  ~LibXmlDocument() override;
  LibXmlDocument(const LibXmlDocument&) = delete;
  LibXmlDocument& operator=(const LibXmlDocument&) = delete;

  Status load(std::string_view bytes) override;
  XmlNode documentElement() override;
  XmlNode firstChild(XmlNode node) override;
  XmlNode firstChildElement(XmlNode node, std::wstring_view name) override;
  XmlNode nextSibling(XmlNode node) override;
  XmlNodeKind kind(XmlNode node) override;
  std::wstring localName(XmlNode node) override;
  std::wstring namespaceUri(XmlNode node) override;
  std::vector<XmlAttribute> attributes(XmlNode node) override;
  std::vector<XmlNode> childNodes(XmlNode node) override;
  std::wstring nodeText(XmlNode node) override;
  void release() override;

 private:
  XmlNode handOut(_xmlNode* node);
  _xmlNode* at(XmlNode node) const;
  _xmlNode* elementAt(XmlNode node) const;

  _xmlDoc* document_ = nullptr;
  std::vector<_xmlNode*> nodes_;  // node id - 1
};

}  // namespace tikora
