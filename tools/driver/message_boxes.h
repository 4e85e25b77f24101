// Message boxes and other dialogs of class "#32770": reading their caption, texts and buttons,
// waiting for one, and pressing one of its buttons.
#pragma once

#include "json.h"
#include "options.h"

namespace tikora::driver {

Json commandMessageBoxes(const Options& options);
Json commandWaitMessageBox(const Options& options);
Json commandDismissMessageBox(const Options& options);

}  // namespace tikora::driver
