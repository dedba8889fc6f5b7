// Recursive Euclid's greatest common divisor on unsigned 16-bit values, and the least common multiple built on it.
// CODESIZE-EXPECT: 06 00 FF 00 10 27 01 00 09 00 15 00 02 00 01 00 0C 00 2A 00 00 FF B8 0B
// CODESIZE-NEEDS: runtime
#include "bench.h"

u16 gcd(u16 a, u16 b)
{
    if (b == 0)
        return a;
    return gcd(b, a % b);
}

u16 lcm(u16 a, u16 b)
{
    return a / gcd(a, b) * b;
}

u16 left[8] = { 48, 65535u, 40000u, 17, 0, 1071, 32768u, 144 };
u16 right[8] = { 18, 255, 30000, 5, 9, 462, 6, 89 };

void main(void)
{
    u8 i;
    for (i = 0; i < 8; i++)
        put16(gcd(left[i], right[i]));
    put16(lcm(4, 6));
    put16(lcm(21, 6));
    put16(lcm(255, 256));
    put16(lcm(1000, 60));
}
