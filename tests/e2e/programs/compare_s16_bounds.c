// Relational operators between signed 16-bit values at -32768, -1, 0, 1, 127, 128 and 32767, and against constants.
#include "../e2e.h"

/* 32768 does not fit the target's int, so -32768 is spelled as a difference. */
#define S16_MIN (-32767 - 1)

s16 vals[7] = { S16_MIN, -1, 0, 1, 127, 128, 32767 };

u8 relations(s16 a, s16 b)
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

u8 constants(s16 a)
{
    return (a < 0) | ((a > -1) << 1) | ((a <= S16_MIN) << 2) | ((a >= 32767) << 3) |
           ((a == 128) << 4) | ((a != 127) << 5) | ((a > -256) << 6) | ((a < 256) << 7);
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
