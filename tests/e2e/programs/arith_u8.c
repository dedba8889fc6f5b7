// Every arithmetic and bitwise operator on unsigned 8-bit operands, results wrapped to 8 bits.
#include "../e2e.h"

/* Products and shifted values stay below 32768 so that the promoted int
   arithmetic is defined at the target's 16 bits as well. */
u8 left[5] = { 0, 7, 128, 200, 255 };
u8 right[5] = { 1, 255, 2, 100, 7 };

void ops(u8 a, u8 b)
{
    u8 r;
    r = a + b;
    put8(r);
    r = a - b;
    put8(r);
    r = a * b;
    put8(r);
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
    r = a << (b & 7);
    put8(r);
    r = a >> (b & 7);
    put8(r);
    r = -a;
    put8(r);
}

void main(void)
{
    u8 i;
    for (i = 0; i < 5; i++)
        ops(left[i], right[i]);
}
