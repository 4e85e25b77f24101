// Copying, filling and comparing runs of pixel bytes inline, eight at a time. The clock composes its face
// every second row by row; each row handed to the runtime's memcpy or memcmp would be a call into
// a system DLL, hundreds a second at rest. The fixed eight-byte copies below compile to plain
// moves.
#pragma once
#include <cstddef>
#include <cstdint>
#include <cstring>

namespace tikora {

inline void copyBytes(std::uint8_t* to, const std::uint8_t* from, std::size_t count) {
  std::size_t i = 0;
  for (; i + 8 <= count; i += 8) {
    std::uint64_t word;
    std::memcpy(&word, from + i, 8);
    std::memcpy(to + i, &word, 8);
  }
  for (; i < count; ++i) to[i] = from[i];
}

inline void fillBytes(std::uint8_t* to, std::uint8_t value, std::size_t count) {
  std::uint64_t word = 0x0101010101010101ull * value;
  // Hidden from the optimiser, which would otherwise turn the loops back into a call to memset.
  asm("" : "+r"(word));
  std::size_t i = 0;
  for (; i + 8 <= count; i += 8) std::memcpy(to + i, &word, 8);
  for (; i < count; ++i, word >>= 8) to[i] = static_cast<std::uint8_t>(word);  // fewer than eight
}

inline bool sameBytes(const std::uint8_t* a, const std::uint8_t* b, std::size_t count) {
  std::size_t i = 0;
  for (; i + 8 <= count; i += 8) {
    std::uint64_t x, y;
    std::memcpy(&x, a + i, 8);
    std::memcpy(&y, b + i, 8);
    if (x != y) return false;
  }
  for (; i < count; ++i)
    if (a[i] != b[i]) return false;
  return true;
}

}  // namespace tikora
