// The plain-prolog check; see xml_prolog.h.
#include "core/xml_prolog.h"

#include <cstdint>

namespace tikora {
namespace {

// The document's code units, one or two bytes each, read as characters of the ASCII range.
class Units {
 public:
  Units(std::string_view bytes, std::size_t start, int width, bool bigEndian)
      : bytes_(bytes), at_(start), width_(width), bigEndian_(bigEndian) {}

  bool done() const { return at_ + width_ > bytes_.size(); }
  // The unit at `ahead` units from here; 0xFFFF past the end.
  std::uint32_t peek(std::size_t ahead = 0) const {
    const std::size_t offset = at_ + ahead * width_;
    if (offset + width_ > bytes_.size()) return 0xFFFF;
    const auto b = [&](std::size_t i) { return static_cast<std::uint8_t>(bytes_[offset + i]); };
    if (width_ == 1) return b(0);
    return bigEndian_ ? (b(0) << 8) | b(1) : (b(1) << 8) | b(0);
  }
  void skip(std::size_t units = 1) { at_ += units * width_; }
  bool startsWith(std::string_view text) const {
    for (std::size_t i = 0; i < text.size(); ++i)
      if (peek(i) != static_cast<std::uint8_t>(text[i])) return false;
    return true;
  }
  // Moves past the first `end` from here; false when there is none.
  bool skipPast(std::string_view end) {
    while (!done()) {
      if (startsWith(end)) {
        skip(end.size());
        return true;
      }
      skip();
    }
    return false;
  }

 private:
  std::string_view bytes_;
  std::size_t at_;
  std::size_t width_;
  bool bigEndian_;
};

bool isSpace(std::uint32_t c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// What may start an element's name: an ASCII letter, "_", ":" or any character beyond ASCII.
bool startsName(std::uint32_t c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_' || c == ':' || (c >= 0x80 && c != 0xFFFF);
}

}  // namespace

bool xmlPrologIsPlain(std::string_view bytes) {
  const auto byte = [&](std::size_t i) { return i < bytes.size() ? static_cast<std::uint8_t>(bytes[i]) : 0x100u; };
  std::size_t start = 0;
  int width = 1;
  bool bigEndian = false;
  if (byte(0) == 0xEF && byte(1) == 0xBB && byte(2) == 0xBF) {
    start = 3;
  } else if (byte(0) == 0xFF && byte(1) == 0xFE) {
    if (byte(2) == 0 && byte(3) == 0) return false;  // UTF-32
    start = 2;
    width = 2;
  } else if (byte(0) == 0xFE && byte(1) == 0xFF) {
    start = 2;
    width = 2;
    bigEndian = true;
  } else if (byte(0) == '<' && byte(1) == 0 && byte(2) != 0) {
    width = 2;
  } else if (byte(0) == 0 && byte(1) == '<') {
    width = 2;
    bigEndian = true;
  }
  Units units(bytes, start, width, bigEndian);
  while (!units.done()) {
    const std::uint32_t c = units.peek();
    if (isSpace(c)) {
      units.skip();
    } else if (units.startsWith("<?")) {
      if (!units.skipPast("?>")) return false;
    } else if (units.startsWith("<!--")) {
      units.skip(4);
      if (!units.skipPast("-->")) return false;
    } else if (c == '<' && startsName(units.peek(1))) {
      return true;  // the document element: the prolog is over
    } else {
      return false;  // a DOCTYPE, or nothing this program reads as a prolog
    }
  }
  return false;
}

}  // namespace tikora
