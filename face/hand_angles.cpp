#include "face/hand_angles.h"

namespace tikora {

int hourHandAngle(int hour, int minute) {
  const int h = hour >= 13 && hour <= 23 ? hour - 12 : hour;
  return 30 * h + minute / 2;
}

int minuteHandAngle(int minute, int second) { return 6 * minute + second / 10; }

}  // namespace tikora
