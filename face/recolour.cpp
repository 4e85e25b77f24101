#include "face/recolour.h"

namespace tikora {

std::optional<std::uint32_t> frameColourRuleValue(int rule, Colour original) {
  // Logical shifts and products of the 32-bit value; nothing is clipped here. Rules 5, 6, 12
  // and 13 carry bits out of their channel: rule 6 moves the top bit of red into green, and on
  // strong blue (128 and more; for rule 12, 16 and more) rules 5, 6, 12 and 13 go above bit 23.
  // Such results are drawn with their low 24 bits (frameColourFromRuleValue): the top byte is
  // dropped, so, for example, rule 12 turns gold 0x0037AFD4 into 0x03700000, drawn as 0x700000.
  const std::uint32_t c = original;
  switch (rule) {
    case 0: return c & 0x00FFFFu;
    case 1: return c | 0x800000u;
    case 2: return c & 0x0000FFu;
    case 3: return c & 0x00FF00u;
    case 4: return (c & 0x00FF00u) << 8;
    case 5: return (c & 0xFF0000u) * 2;
    case 6: return (c & 0xFF00FFu) * 2;
    case 7: return (c & 0x00FFFFu) << 8;
    case 8: return (c & 0xFF0000u) >> 8;
    case 9: return (c | 0x808080u) >> 16;
    case 10: return (c & 0x00FF00u) | 0x0000FFu;
    case 11: return c | 0xFF0000u;
    case 12: return (c & 0xFF0000u) << 4;
    case 13: return (c & 0xFF0000u) * 4;
    case 14: return (c & 0xFF0000u) >> 14;
    case 15: return (c & 0xFF0000u) >> 6;
    case 16: return (c & 0xFF0000u) >> 12;
    case 17: return (c & 0xFF0000u) >> 4;
    case 18: return (c & 0xC0DCC0u) >> 4;
    default: return std::nullopt;
  }
}

void applyFrameColourRule(int rule, const PixelList& list, Bitmap& picture) {
  if (rule < 0 || rule >= kFrameColourRuleCount) return;
  for (const PixelRecord& record : list)
    picture.setPixel(record.x, record.y, frameColourFromRuleValue(*frameColourRuleValue(rule, record.colour)));
}

void applyFrameColour(int rule, const FrameColourTargets& targets) {
  applyFrameColourRule(rule, targets.frameList, targets.frame);
  applyFrameColourRule(rule, targets.stripList, targets.strip);
  applyFrameColourRule(rule, targets.stripeList, targets.stripe);
}

}  // namespace tikora
