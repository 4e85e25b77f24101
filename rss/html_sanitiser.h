// What of a feed's texts may go into the local feed page. A feed is written by strangers and the
// page is opened by the user's own browser engine, so nothing of a feed may become script:
//   - plain texts (title, date) are escaped;
//   - an address is used only when it is an absolute http, https or ftp address;
//   - a description keeps its formatting mark-up and nothing else: it is read by the HTML
//     tokenizer, as a browser would read it, and written again from an allow-list of elements
//     and attributes, every attribute value quoted and escaped, every address checked, every
//     element closed. Script, style, frames, objects, embeds, forms, meta, base and the like
//     go, with their content where it is no text for the reader (script, style...).
#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace tikora {

// `text` with "&", "<", ">", '"' and "'" written as references, for text and quoted attribute
// values alike.
std::wstring escapeHtml(std::wstring_view text);

enum class AddressUse {
  PageLink,  // the item's own link: http, https, ftp
  Link,      // a link in a description: mailto too
  Picture,   // a picture's source: http, https
};

// The address with the white space around it and the tabs and line breaks in it taken out, as
// a browser reads it, when it is an absolute address of a scheme `use` allows; none otherwise
// (javascript:, vbscript:, data:, file:, relative and protocol-relative addresses, addresses
// with other control characters).
std::optional<std::wstring> allowedAddress(std::wstring_view address, AddressUse use);

// The description's mark-up made safe, as above.
std::wstring sanitiseDescription(std::wstring_view html);

// The text a reader sees of `html`, as one line: tags gone (a line break or the start of a
// block is a blank), the content of script, style and their kind gone, character references
// read, runs of white space one blank, none at either end. For a headline given as mark-up.
std::wstring htmlText(std::wstring_view html);
// Runs of white space made one blank, none at either end, as a browser lays text out.
std::wstring collapseWhiteSpace(std::wstring_view text);

}  // namespace tikora
