// The XML document of the Windows build: an MSXML 6 DOM document, loaded from the feed's bytes
// with DTDs prohibited, external resources unresolved and no schema or validation, and walked
// by the rules of platform/xml_document.h. A document whose prolog is not plain never reaches
// the parser, as not every MSXML honours "ProhibitDTD" (Wine's ignores it). Used on the thread
// that made it; COM is initialised for that thread here if nobody did it before.
#pragma once
#include <windows.h>
#include <msxml2.h>
#include <wrl/client.h>

#include <vector>

#include "platform/xml_document.h"

namespace tikora {

class Win32XmlDocument : public XmlDocument {
 public:
  Win32XmlDocument();
  ~Win32XmlDocument() override;
  Win32XmlDocument(const Win32XmlDocument&) = delete;
  Win32XmlDocument& operator=(const Win32XmlDocument&) = delete;

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
  XmlNode handOut(Microsoft::WRL::ComPtr<IXMLDOMNode> node);
  IXMLDOMNode* at(XmlNode node) const;
  IXMLDOMNode* elementAt(XmlNode node) const;

  bool uninitialise_ = false;
  Microsoft::WRL::ComPtr<IXMLDOMDocument2> document_;
  std::vector<Microsoft::WRL::ComPtr<IXMLDOMNode>> nodes_;  // node id - 1
};

}  // namespace tikora
