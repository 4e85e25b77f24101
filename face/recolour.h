// Frame colours: the nineteen bit-arithmetic rules that turn the gold frame, button strip and
// decorative stripe into the colour chosen in the "Frame Color" list, always starting again from
// the original colours kept in the pixel lists, so switching rules never accumulates.
#pragma once
#include <cstdint>
#include <optional>

#include "core/bitmap.h"
#include "face/pixel_list.h"

namespace tikora {

inline constexpr int kFrameColourRuleCount = 19;
// The list's item before any stored value is loaded.
inline constexpr int kDefaultFrameColourRule = 6;

// Rule `rule` (0 to 18) applied to an original colour, as the full 32-bit result of the rule's
// arithmetic (it may exceed 0xFFFFFF); nothing for a rule outside 0 to 18.
std::optional<std::uint32_t> frameColourRuleValue(int rule, Colour original);

// The colour a rule's result is drawn in: its low 24 bits.
constexpr Colour frameColourFromRuleValue(std::uint32_t value) { return value & 0x00FFFFFF; }

// Sets each record's pixel of `picture` to the rule applied to the record's original colour,
// in list order. A rule outside 0 to 18 changes nothing.
void applyFrameColourRule(int rule, const PixelList& list, Bitmap& picture);

// The three pictures the rule colours, with their lists of original colours.
struct FrameColourTargets {
  const PixelList& frameList;
  Bitmap& frame;
  const PixelList& stripList;
  Bitmap& strip;
  const PixelList& stripeList;
  Bitmap& stripe;
};

// Frame list onto the frame picture, then the strip list onto the strip, then the stripe list
// onto the stripe.
void applyFrameColour(int rule, const FrameColourTargets& targets);

}  // namespace tikora
