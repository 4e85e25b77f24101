// The angles, in degrees clockwise from straight up, at which the hour and minute hands are drawn.
#pragma once

namespace tikora {

// Hour h (0 to 23) counts 1 to 11 for 13 to 23 and stays as it is for 0 to 12; the angle is
// 30 * h + m div 2. So 12:30 gives 375 and 00:30 gives 15, the same direction.
int hourHandAngle(int hour, int minute);
// 6 * m + s div 10: the minute hand moves one degree every ten seconds.
int minuteHandAngle(int minute, int second);

}  // namespace tikora
