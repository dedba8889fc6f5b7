// Placing a HEX image into the simulated program memory.
#pragma once
#include <string>

#include "tools/ihex/ihex.h"
#include "tools/vxsim/sim_state.h"

// Configuration and identification bytes (from 0x200000 up) are not
// program memory and are skipped; anything else beyond the device's program
// memory is an error.
bool sim_load_image(sim_state *s, const hex_image &image, std::string *error);
