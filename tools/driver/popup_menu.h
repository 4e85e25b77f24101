// Popup menus (window class "#32768"): listing the items of the open menu, choosing one by its
// text, or closing the menu.
#pragma once

#include "json.h"
#include "options.h"

namespace tikora::driver {

Json commandMenu(const Options& options);
Json commandMenuSelect(const Options& options);
Json commandMenuDismiss(const Options& options);

}  // namespace tikora::driver
