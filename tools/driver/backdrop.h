// A plain coloured window under every other window, standing in for the desktop background so
// that see-through pixels of a window show a known colour in screen captures. It lives in a
// thread of the driver, so it needs the long-running "serve" mode.
#pragma once

#include "json.h"
#include "options.h"

namespace tikora::driver {

void setServing(bool serving);
Json commandBackdrop(const Options& options);

}  // namespace tikora::driver
