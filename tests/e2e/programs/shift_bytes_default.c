// Byte shifts by every constant count, in place and in WREG, left and right, without integer promotion.
// VEXC-OPTIONS: -Oi-
#include "../e2e.h"

u8 values[4] = { 0x81, 0x5A, 0xFF, 0x01 };
/* In data memory, so that the shifts run in place. */
u8 x;

void main(void)
{
    u8 i, y;
    for (i = 0; i < 4; i++) {
        x = values[i]; x <<= 1; put8(x);
        x = values[i]; x <<= 2; put8(x);
        x = values[i]; x <<= 3; put8(x);
        x = values[i]; x <<= 4; put8(x);
        x = values[i]; x >>= 5; put8(x);
        x = values[i]; x >>= 6; put8(x);
        x = values[i]; x >>= 7; put8(x);
        y = (u8)(values[i] << 6); put8(y);
        y = (u8)(values[i] >> 3); put8(y);
    }
}
