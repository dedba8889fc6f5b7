// Recursive factorial and power through the software stack, wrapping above 8! in 16 bits.
#include "../e2e.h"

u16 factorial(u8 n)
{
    if (n <= 1)
        return 1;
    return n * factorial(n - 1);
}

/* The local is live across the recursive call. */
u16 power(u16 base, u8 exponent)
{
    u16 half;
    if (exponent == 0)
        return 1;
    half = power(base, exponent / 2);
    half = (unsigned)half * half;
    if (exponent & 1)
        half = (unsigned)half * base;
    return half;
}

void main(void)
{
    u8 n;
    for (n = 0; n <= 12; n++)
        put16(factorial(n));
    put16(power(2, 10));
    put16(power(3, 10));
    put16(power(7, 0));
    put16(power(10, 4));
    put16(power(2, 16));
    put16(power(255, 2));
}
