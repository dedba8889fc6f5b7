// The default ranges that a declaration without a near or far qualifier
// takes, one for each memory space.  Only the command line changes them.
#pragma once

constexpr int MEMORY_RAM = 100;
constexpr int MEMORY_ROM = 101;
constexpr int RANGE_FAR = 100;
constexpr int RANGE_NEAR = 101;

extern int sDefaultRamRange;
extern int sDefaultRomRange;

void set_default_range(int memory, int range);
int trnGetDefaultRange(int memory);
