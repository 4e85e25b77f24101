// Pixels on screen: capturing a window's client area, the whole window or the screen into a
// 24-bit BMP file, and reading single pixels.
#pragma once

#include "json.h"
#include "options.h"

namespace tikora::driver {

Json commandCapture(const Options& options);
Json commandPixel(const Options& options);

// A Unix path ("/work/x.bmp") turned into the Windows path Wine maps it to; others unchanged.
std::wstring hostPath(const std::wstring& path);

}  // namespace tikora::driver
