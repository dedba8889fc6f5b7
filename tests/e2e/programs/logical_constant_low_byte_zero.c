// && and || with a constant operand whose low byte is zero (256, 0x8000, 0x10000) and a variable operand: the constant is true.
#include "../e2e.h"

u16 one = 1;
u16 zero = 0;

void main(void)
{
    put8(0x100 && one);
    put8(one && 512);
    put8(0x8000u && one);
    put8(0x10000 && one);
    put8(0x100 || zero);
    put8(zero || 0x100);
    put8(0x101 && one);
    if (0x100 && one)
        put8(1);
    else
        put8(2);
    if (zero || 0x1000000)
        put8(3);
    else
        put8(4);
}
