// The linker's outputs: the Intel HEX image of program memory and the map.
//
// The map is a title line "Lumex Tarn link map of PROG for DEVICE", then a
// "Sections:" table (name, kind, memory, address, size, object) and a
// "Symbols:" table (name, address, memory, object), one entry a line with
// the columns separated by blanks and a heading line first; addresses and
// sizes are hexadecimal with a 0x prefix.  The simulator reads the title and
// the symbol table back.
#pragma once
#include "tools/vxlink/link_model.h"

bool link_write_hex(link_state *state);
bool link_write_map(link_state *state);
