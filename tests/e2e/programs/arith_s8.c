// Every arithmetic and bitwise operator on signed 8-bit operands, with the 16-bit product.
#include "../e2e.h"

s8 left[4] = { -128, 127, -100, -1 };
s8 right[4] = { 3, -2, 7, -128 };

void ops(s8 a, s8 b)
{
    s8 r;
    s16 wide;
    r = a + b;
    put8(r);
    r = a - b;
    put8(r);
    r = a * b;
    put8(r);
    wide = a * b;
    put16(wide);
    r = a / b;
    put8(r);
    r = a % b;
    put8(r);
    r = a & b;
    put8(r);
    r = a | b;
    put8(r);
    r = a ^ b;
    put8(r);
    r = ~a;
    put8(r);
    /* Shifting a negative value is not portable C; its bit pattern is. */
    r = (u8)a << (b & 7);
    put8(r);
    r = (u8)a >> (b & 7);
    put8(r);
    r = -a;
    put8(r);
}

void main(void)
{
    u8 i;
    for (i = 0; i < 4; i++)
        ops(left[i], right[i]);
}
