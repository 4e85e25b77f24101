// Colours as the program stores and draws them: 0x00BBGGRR, red in the low byte.
#pragma once
#include <cstdint>

namespace tikora {

using Colour = std::uint32_t;

inline constexpr Colour kPureWhite = 0x00FFFFFF;
// What a colour chooser stores instead of pure white, so that nothing the user colours on the
// clock becomes see-through (pure white is the clock window's colour key).
inline constexpr Colour kNearWhite = 0x02FEFFFF;

constexpr std::uint8_t redOf(Colour c) { return static_cast<std::uint8_t>(c & 0xFF); }
constexpr std::uint8_t greenOf(Colour c) { return static_cast<std::uint8_t>((c >> 8) & 0xFF); }
constexpr std::uint8_t blueOf(Colour c) { return static_cast<std::uint8_t>((c >> 16) & 0xFF); }
constexpr Colour rgb(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
  return Colour(r) | (Colour(g) << 8) | (Colour(b) << 16);
}

// A chooser's colour after the see-through rule: pure white becomes near white.
Colour avoidSeeThrough(Colour chosen);

}  // namespace tikora
