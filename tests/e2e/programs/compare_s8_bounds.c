// Relational operators between signed 8-bit values at -128, -127, -1, 0, 1 and 127, and against constants.
#include "../e2e.h"

s8 vals[6] = { -128, -127, -1, 0, 1, 127 };

u8 relations(s8 a, s8 b)
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

u8 constants(s8 a)
{
    return (a < 0) | ((a > -1) << 1) | ((a <= -128) << 2) | ((a >= 127) << 3) |
           ((a == -1) << 4) | ((a != 0) << 5) | ((a > -128) << 6) | ((a < 1) << 7);
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
