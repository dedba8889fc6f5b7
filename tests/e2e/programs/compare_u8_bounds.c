// Relational operators between unsigned 8-bit values at 0, 1, 127, 128, 254 and 255, and against constants.
#include "../e2e.h"

u8 vals[6] = { 0, 1, 127, 128, 254, 255 };

u8 relations(u8 a, u8 b)
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

/* Comparisons used as values rather than as branch conditions. */
u8 constants(u8 a)
{
    return (a < 1) | ((a > 0) << 1) | ((a <= 127) << 2) | ((a >= 128) << 3) |
           ((a == 255) << 4) | ((a != 254) << 5) | ((a > 254) << 6) | ((a < 128) << 7);
}

void main(void)
{
    u8 i, j;
    for (i = 0; i < 6; i++)
        for (j = 0; j < 6; j++)
            put8(relations(vals[i], vals[j]));
    for (i = 0; i < 6; i++)
        put8(constants(vals[i]));
}
