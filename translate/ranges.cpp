#include "translate/ranges.h"
#include "support/vxassert.h"

// Data defaults to banked (far) memory so that the access bank stays free for
// what the user places there; code defaults to the small model's near calls.
int sDefaultRamRange = RANGE_FAR;
int sDefaultRomRange = RANGE_NEAR;

static int *s_range_of(int memory)
{
    VX_ASSERT(memory == MEMORY_RAM || memory == MEMORY_ROM);
    return memory == MEMORY_RAM ? &sDefaultRamRange : &sDefaultRomRange;
}

void set_default_range(int memory, int range) { *s_range_of(memory) = range; }

int trnGetDefaultRange(int memory) { return *s_range_of(memory); }
