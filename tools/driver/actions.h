// Acting on windows and controls: clicking, ticking, choosing list and tab items, moving scroll
// bars, setting text, posting or sending any message, and real mouse and keyboard input.
#pragma once

#include "json.h"
#include "options.h"

namespace tikora::driver {

Json commandClick(const Options& options);
Json commandCheck(const Options& options);
Json commandSelect(const Options& options);
Json commandScroll(const Options& options);
Json commandTab(const Options& options);
Json commandSetText(const Options& options);
Json commandPost(const Options& options);
Json commandSend(const Options& options);
Json commandMouse(const Options& options);
Json commandKey(const Options& options);

}  // namespace tikora::driver
