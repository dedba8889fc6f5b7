// What the linker adds to a program: the reset vector, the copy table of
// initialized data with the data's initial images, and the software stack.
// The code that runs first, `_startup` by default, comes from an object:
// normally the runtime library's start-up.
//
// The copy table `_cinit` in program memory: a 16-bit entry count, then per
// entry the 24-bit program address of the image and a zero byte, the
// 16-bit data address and the 16-bit byte count, all little-endian.  The
// table itself lies in the first 64 KB, so that a 16-bit pointer reaches it.
#pragma once
#include <cstdint>

#include "tools/vxlink/link_model.h"

constexpr unsigned CINIT_ENTRY_SIZE = 8;
// The runtime's start-up keeps its bookkeeping in the first bytes of the
// stack while it copies the initialized data.
constexpr uint32_t MIN_STACK_SIZE = 8;

// Adds the synthetic sections; call after reading the objects.
void link_add_synthetic_sections(link_state *state);

// Fills their contents; call after placement and relocation.
void link_fill_synthetic_sections(link_state *state);
