// The linker's outputs: the Intel HEX image of program memory and the map.
#pragma once
#include "tools/vxlink/link_model.h"

bool link_write_hex(link_state *state);
bool link_write_map(link_state *state);
