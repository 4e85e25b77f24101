// The registry of the prefix the driver runs in, for the tests: a key's tree read as JSON, values
// written, keys and values deleted. Answers in milliseconds where starting Wine's own reg tool
// for each look would take a second.
#pragma once

#include "json.h"
#include "options.h"

namespace tikora::driver {

Json commandRegRead(const Options& options);
Json commandRegWrite(const Options& options);
Json commandRegDelete(const Options& options);

}  // namespace tikora::driver
