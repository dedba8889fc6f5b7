// Addition, subtraction, bitwise operators and negation on signed 16-bit operands near the limits.
#include "../e2e.h"

/* Every sum, difference and negation stays within -32768..32767: signed
   overflow is undefined at the target's 16 bits. */
s16 left[4] = { -20000, 30000, -1, 0 };
s16 right[4] = { 12767, 2767, -32767, -32767 };

void ops(s16 a, s16 b)
{
    s16 r;
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
    r = -a;
    put16(r);
}

void main(void)
{
    u8 i;
    s16 m;
    for (i = 0; i < 4; i++)
        ops(left[i], right[i]);
    m = -32767 - 1;
    put16(m + 1);
    put16(m & 0x7FFF);
    put16(~m);
}
