// Signed 16-bit multiplication, division and rem16 for every combination of signs.
#include "../e2e.h"

s16 dividend[8] = { 100, -100, 100, -100, -32767 - 1, 32767, -32767 - 1, 7 };
s16 divisor[8] = { 7, 7, -7, -7, 2, -1, 32767, 100 };
s16 mleft[4] = { 181, -181, -256, -1 };
s16 mright[4] = { 181, 181, 128, -32767 };

s16 quo16(s16 a, s16 b)
{
    return a / b;
}

s16 rem16(s16 a, s16 b)
{
    return a % b;
}

void main(void)
{
    u8 i;
    s16 p;
    for (i = 0; i < 8; i++) {
        put16(quo16(dividend[i], divisor[i]));
        put16(rem16(dividend[i], divisor[i]));
    }
    for (i = 0; i < 4; i++) {
        p = mleft[i] * mright[i];
        put16(p);
    }
    p = mleft[1];
    put16(p * 3);
    put16(p / 4);
    put16(p % 4);
}
