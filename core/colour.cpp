#include "core/colour.h"

namespace tikora {

Colour avoidSeeThrough(Colour chosen) {
  // Only exactly pure white is see-through; the top byte (a palette flag) does not make a colour
  // white, so 0x02FFFFFF-style values are left as they are.
  return chosen == kPureWhite ? kNearWhite : chosen;
}

}  // namespace tikora
