// Timings the Win32-side tests measure along the way: printed and kept as properties of the test
// in its JUnit result, never a verdict (a loaded machine must not fail a correct program).
#pragma once
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace tikora::testing {

inline void recordFigure(const char* name, double value) {
  char text[64];
  std::snprintf(text, sizeof text, "%.2f", value);
  std::printf("[ measured ] %s = %s\n", name, text);
  ::testing::Test::RecordProperty(name, text);
}

}  // namespace tikora::testing
