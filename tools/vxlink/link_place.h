// Giving every output section its address.
#pragma once
#include "tools/vxlink/link_model.h"

// Program memory below this is the reset vector and the two interrupt
// vectors, left to absolute sections.
constexpr uint32_t PROGRAM_START = 0x2A;
// Program addresses from here up are configuration and identification
// bytes, not program memory.
constexpr uint32_t CONFIGURATION_SPACE = 0x200000;

bool link_place(link_state *state);
