// What the linker adds to a program: the reset vector, the copy table of
// initialized data with the data's initial images, the software stack, and
// a start-up routine for programs that bring none.
//
// The copy table `_cinit` in program memory: a 16-bit entry count, then per
// entry the 24-bit program address of the image and a zero byte, the
// 16-bit data address and the 16-bit byte count, all little-endian.
#pragma once
#include <cstdint>
#include <vector>

#include "tools/vxlink/link_model.h"

constexpr unsigned CINIT_ENTRY_SIZE = 8;
// The built-in start-up keeps its counters in the first bytes of the stack.
constexpr uint32_t MIN_STACK_SIZE = 8;

// Adds the synthetic sections; call after reading the objects.
void link_add_synthetic_sections(link_state *state);

// Fills their contents; call after placement and relocation.
void link_fill_synthetic_sections(link_state *state);

// The built-in start-up routine at `base`: sets the stack and frame
// pointers to `stack`, copies the initial data that the table at `cinit`
// lists, calls `main` and ends in SLEEP.
std::vector<uint16_t> startup_code(uint32_t base, uint32_t stack, uint32_t cinit, uint32_t main);
