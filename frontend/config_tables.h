// The compiled-in configuration registers of the devices.
#pragma once
#include "frontend/pragma_config.h"

// The VxCORE devices with configuration registers, by processor number.
constexpr int FIRST_CONFIGURABLE_PROCESSOR = 218;
constexpr int LAST_CONFIGURABLE_PROCESSOR = 396;

// The registers of a device and their number; null and 0 for a device
// without configuration settings.
config_register *get_config_bytes(int processor, unsigned *count);
