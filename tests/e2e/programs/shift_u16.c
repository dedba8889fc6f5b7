// Left and right shifts of unsigned 16-bit values by every count from 0 to 15.
#include "../e2e.h"

u16 pattern = 0xA5C3;

u16 shl(u16 x, u8 n)
{
    return x << n;
}

u16 shr(u16 x, u8 n)
{
    return x >> n;
}

void main(void)
{
    u8 n;
    for (n = 0; n < 16; n++) {
        put16(shl(pattern, n));
        put16(shr(pattern, n));
    }
}
