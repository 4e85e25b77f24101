// An HTML tokenizer after the states of the HTML standard's tokenization: text, start and end
// tags with their attributes (names lower-cased, values with their character references
// decoded), and comments (comments, doctypes, processing instructions and CDATA sections, which
// are all bogus comments in HTML content). It is what a browser's tokenizer makes of the same
// text, so the feed page's sanitiser sees the tags a browser would see: "<ScRiPt>" is a script
// tag, "< b>" is text, an attribute split over quotes and slashes is the attribute the browser
// reads, and a tag cut off by the end of the text is no tag at all.
//
// The tree builder's part is left to the caller: after a start tag whose content is raw text
// (script, style, textarea...), the caller asks for that content with rawText().
#pragma once
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tikora {

struct HtmlAttribute {
  std::wstring name;   // lower-case
  std::wstring value;  // character references decoded
  friend bool operator==(const HtmlAttribute&, const HtmlAttribute&) = default;
};

struct HtmlToken {
  enum class Kind { Text, StartTag, EndTag, Comment };
  Kind kind = Kind::Text;
  // Text: the characters as they stand, character references left in; tags: the lower-case
  // name; comments: what lies between the markers.
  std::wstring text;
  std::vector<HtmlAttribute> attributes;  // start tags; a repeated name keeps its first value
  bool selfClosing = false;
  friend bool operator==(const HtmlToken&, const HtmlToken&) = default;
};

class HtmlTokenizer {
 public:
  explicit HtmlTokenizer(std::wstring_view input) : input_(input) {}

  // The next token; none at the end of the text.
  std::optional<HtmlToken> next();

  // The raw text up to the end tag `name` (lower-case) or the end of the text; that end tag is
  // consumed too. For the content of script, style, textarea, title and their kind.
  std::wstring rawText(std::wstring_view name);

 private:
  bool atEnd() const { return at_ >= input_.size(); }
  wchar_t peek(std::size_t ahead = 0) const { return at_ + ahead < input_.size() ? input_[at_ + ahead] : L'\0'; }
  bool lookingAt(std::wstring_view text, bool ignoreCase) const;

  HtmlToken text();
  std::optional<HtmlToken> tag(bool end);
  HtmlToken comment();
  HtmlToken bogusComment();
  bool attributes(HtmlToken& token);
  std::wstring attributeValue(wchar_t quote);

  std::wstring_view input_;
  std::size_t at_ = 0;
};

// The characters a reference at the start of `text` (just after its "&") stands for, and how
// many characters it takes; none when it is no reference the tokenizer decodes. In attribute
// values a named reference without its ";" followed by a letter, digit or "=" is left alone.
struct DecodedReference {
  std::wstring characters;
  std::size_t length = 0;
};
std::optional<DecodedReference> decodeCharacterReference(std::wstring_view text, bool inAttribute);

}  // namespace tikora
