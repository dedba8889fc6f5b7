// One whole link: objects in, HEX image and map out.
#pragma once
#include "tools/vxlink/link_model.h"

// Returns the exit status: 0 after writing the outputs, 1 after reporting
// errors (and then no output file exists).
int link_run(const link_options &options);
