// Processes: whether one is alive, its exit code (waiting for it to end if asked), and the list
// of running processes by image name.
#pragma once

#include "json.h"
#include "options.h"

namespace tikora::driver {

Json commandProcess(const Options& options);
Json commandProcesses(const Options& options);
Json commandKill(const Options& options);

}  // namespace tikora::driver
