// Relational operators between unsigned 16-bit values at 0, 1, 255, 256, 32767, 32768 and 65535, and against constants.
#include "../e2e.h"

u16 vals[7] = { 0, 1, 255, 256, 32767, 32768u, 65535u };

u8 relations(u16 a, u16 b)
{
    u8 bits = 0;
    if (a < b)
        bits |= 0x01;
    if (a <= b)
        bits |= 0x02;
    if (a > b)
        bits |= 0x04;
    if (a >= b)
        bits |= 0x08;
    if (a == b)
        bits |= 0x10;
    if (a != b)
        bits |= 0x20;
    return bits;
}

u8 constants(u16 a)
{
    return (a < 1) | ((a > 255) << 1) | ((a <= 256) << 2) | ((a >= 32768u) << 3) |
           ((a == 65535u) << 4) | ((a != 32767) << 5) | ((a > 32767) << 6) | ((a < 0xFFFF) << 7);
}

void main(void)
{
    u8 i, j;
    for (i = 0; i < 7; i++)
        for (j = 0; j < 7; j++)
            put8(relations(vals[i], vals[j]));
    for (i = 0; i < 7; i++)
        put8(constants(vals[i]));
}
