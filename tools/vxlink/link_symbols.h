// Symbol addresses: the objects' definitions, the names the linker itself
// defines, and the resolution of every external reference.
#pragma once
#include <string>

#include "tools/vxlink/link_model.h"

// Defines the register names of the data memory map, `_stack` and `_cinit`
// where no object defines them, then computes the address of every symbol
// of every object.  Undefined references, the entry included, are reported
// by name with the objects that use them.
bool link_resolve_symbols(link_state *state);

uint32_t link_global_address(const link_state *state, const std::string &name);

// The output section that a section-name symbol names: a section symbol of
// the object, or a symbol "." followed by a section name.  -1 when no
// section of that name exists (an empty section).
int link_section_named_by(const link_state *state, int object, unsigned index);
