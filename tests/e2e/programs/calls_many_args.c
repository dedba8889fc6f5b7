// Calls with many arguments of mixed widths and signedness, returning 8- and 16-bit results, and nested calls as arguments.
#include "../e2e.h"

u16 mix(u8 a, u16 b, s8 c, s16 d, u8 e, u16 f)
{
    return a + b * 3 + c - d + (e ^ 0x55) + (f >> 4);
}

s8 clamp8(s16 v, s8 lo, s8 hi)
{
    if (v < lo)
        return lo;
    if (v > hi)
        return hi;
    return (s8)v;
}

u8 low(u16 v)
{
    return (u8)v;
}

u8 high(u16 v)
{
    return (u8)(v >> 8);
}

u16 join(u8 hi, u8 lo)
{
    return ((u16)hi << 8) | lo;
}

void three_outputs(u16 in, u8 *q, u8 *r, u16 *doubled)
{
    *q = in / 100;
    *r = in % 100;
    *doubled = in * 2;
}

s16 sum8(s8 a, s8 b, s8 c, s8 d, s8 e, s8 f, s8 g, s8 h)
{
    return a + b + c + d + e + f + g + h;
}

void main(void)
{
    u8 q, r;
    u16 d;

    put16(mix(200, 1000, -5, -300, 0xAA, 0xFFF0));
    put16(mix(0, 0, 0, 0, 0, 0));
    put8(clamp8(-500, -100, 100));
    put8(clamp8(500, -100, 100));
    put8(clamp8(-7, -100, 100));
    put16(join(high(0xBEEF), low(0xCAFE)));
    put16(join(low(0x1234), high(0x1234)));
    three_outputs(9876, &q, &r, &d);
    put8(q);
    put8(r);
    put16(d);
    put16(sum8(-128, 127, -1, 1, 100, 100, -50, 3));
    put16(sum8(clamp8(1000, 0, 120), clamp8(-1000, -120, 0), 1, 2, 3, 4, 5, 6));
    put16(mix(low(300), join(1, 2), clamp8(-2, -1, 1), sum8(1, 1, 1, 1, 1, 1, 1, 1), high(0x0700), 32));
}
