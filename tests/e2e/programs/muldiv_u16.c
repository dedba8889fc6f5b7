// Multiplication, division and remainder on unsigned 16-bit operands, including operands above 32767.
#include "../e2e.h"

u16 left[7] = { 0, 1000, 65535u, 40000u, 0x8001, 12345, 255 };
u16 right[7] = { 7, 65, 65535u, 300, 2, 12345, 256 };

void ops(u16 a, u16 b)
{
    u16 r;
    /* On the host u16 promotes to a 32-bit int, where 65535 * 65535
       overflows; unsigned arithmetic wraps the same way on both sides. */
    r = (unsigned)a * b;
    put16(r);
    r = a / b;
    put16(r);
    r = a % b;
    put16(r);
}

void main(void)
{
    u8 i;
    u16 x;
    for (i = 0; i < 7; i++)
        ops(left[i], right[i]);
    /* Dividing by a power of two and by one. */
    x = left[2];
    put16(x / 256);
    put16(x % 256);
    put16(x / 1);
    put16(left[3] / 4096);
}
