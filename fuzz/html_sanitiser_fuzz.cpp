// A description's mark-up, any text, through the HTML tokenizer and the sanitiser alone. The
// tokenizer gives lower-case names, each attribute once, and comes to an end; the sanitiser's
// output is safe, well-formed mark-up (page_promises.h) that reads back as itself, so a browser
// reading it again finds what the sanitiser meant; a headline made of the mark-up is one line.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/utf8.h"
#include "fuzz/fuzz_input.h"
#include "fuzz/page_promises.h"
#include "rss/html_sanitiser.h"
#include "rss/html_tokenizer.h"

namespace {

using namespace tikora;

bool hasUpperCase(std::wstring_view text) {
  return std::any_of(text.begin(), text.end(), [](wchar_t c) { return c >= L'A' && c <= L'Z'; });
}

void checkTokens(std::wstring_view html) {
  HtmlTokenizer tokens(html);
  while (const auto token = tokens.next()) {
    if (token->kind == HtmlToken::Kind::Text || token->kind == HtmlToken::Kind::Comment) continue;
    if (token->text.empty() || hasUpperCase(token->text)) fuzz::breach("a tag's name is lower-case", token->text);
    for (std::size_t i = 0; i < token->attributes.size(); ++i) {
      const std::wstring& name = token->attributes[i].name;
      if (name.empty() || hasUpperCase(name)) fuzz::breach("an attribute's name is lower-case", name);
      for (std::size_t j = 0; j < i; ++j)
        if (token->attributes[j].name == name) fuzz::breach("a tag holds each attribute once", name);
    }
    if (token->kind == HtmlToken::Kind::StartTag && (token->text == L"script" || token->text == L"style"))
      (void)tokens.rawText(token->text);
  }
}

void checkHeadline(std::wstring_view html) {
  const std::wstring line = htmlText(html);
  const bool blankAtEnd = !line.empty() && (line.front() == L' ' || line.back() == L' ');
  if (blankAtEnd || line.find(L"  ") != std::wstring::npos || line.find_first_of(L"\t\r\n\f") != std::wstring::npos)
    fuzz::breach("a headline made of mark-up is one line, blanks single", line);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::wstring html = fuzz::wideText({reinterpret_cast<const char*>(data), size});
  checkTokens(html);
  const std::wstring safe = sanitiseDescription(html);
  fuzz::checkSafeMarkup(toUtf8(safe));
  if (sanitiseDescription(safe) != safe) fuzz::breach("the sanitiser's output reads back as itself", safe);
  checkHeadline(html);
  return 0;
}
