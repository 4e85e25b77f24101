// The smoothing filter that gives rotated hands their soft edges.
#pragma once
#include "core/bitmap.h"

namespace tikora {

inline constexpr int kHandSmoothingWeight = 5;

// Smooths `picture` in place. Rows are visited from the top, pixels from the left; each pixel
// becomes, per channel, round-half-even((100 * itself + weight * each existing left, right, upper
// and lower neighbour) / (100 + weight * number of those neighbours)). Because the picture is
// changed in place, the left and upper neighbours are read already smoothed.
// Weight 0 leaves the picture as it is; a negative weight has no meaning and is ignored.
void smoothPicture(Bitmap& picture, int weight);

}  // namespace tikora
