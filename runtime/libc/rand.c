#include <stdlib.h>

/* A 16-bit xorshift generator: three shifts and exclusive ors per number,
   no multiplication, and every nonzero state in one cycle of 65535.  The
   low bit of the state is the weakest, so it is the one dropped.  A
   program that never calls srand starts as after srand(1). */
static unsigned int state = 1;

int rand(void)
{
    state ^= state << 7;
    state ^= state >> 9;
    state ^= state << 8;
    return (int)(state >> 1);
}

void srand(unsigned int seed)
{
    state = seed ? seed : 0xACE1;
}
