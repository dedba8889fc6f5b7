// Addition, subtraction, bitwise operators and negation on unsigned 16-bit operands, wrapping at 65536.
#include "../e2e.h"

u16 left[4] = { 0, 1, 0x8000, 65535u };
u16 right[4] = { 65535u, 255, 0x8000, 0x1234 };

void ops(u16 a, u16 b)
{
    u16 r;
    r = a + b;
    put16(r);
    r = a - b;
    put16(r);
    r = a & b;
    put16(r);
    r = a | b;
    put16(r);
    r = a ^ b;
    put16(r);
    r = ~a;
    put16(r);
    /* Written as a subtraction: unary minus of an unsigned operand draws a
       warning from vexc, and the programs are to compile without any. */
    r = 0 - b;
    put16(r);
}

void main(void)
{
    u8 i;
    for (i = 0; i < 4; i++)
        ops(left[i], right[i]);
}
