// Notification-area icons of any program: whether the shell holds one (an owner window and an
// icon id), and taking one away as a restarting shell would lose it.
#pragma once

#include "json.h"
#include "options.h"

namespace tikora::driver {

Json commandTrayIcon(const Options& options);

}  // namespace tikora::driver
