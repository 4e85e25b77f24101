// A look at the start of an XML document before any parser sees it: whether what comes before
// the document element is nothing but a byte-order mark, white space, the XML declaration,
// processing instructions and comments. A document type declaration there, or a start that
// cannot be read as ASCII-compatible text or UTF-16 (UTF-32, EBCDIC, UTF-7, stray bytes), makes
// the document one the program does not load: so no DTD ever reaches a parser, whether or not
// the parser itself can be told to refuse one.
#pragma once
#include <string_view>

namespace tikora {

bool xmlPrologIsPlain(std::string_view bytes);

}  // namespace tikora
