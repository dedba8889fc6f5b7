// Negation and complement of constants that fit in an unsigned byte (hex and octal literals of 0x80 to 0xFF, u literals, casts to u8): computed in int or unsigned int, all 16 bits.
#include "../e2e.h"

u8 zero = 0;

void main(void)
{
    u16 w;
    s16 s;

    w = (u16)-4u; put16(w);
    w = (u16)~3u; put16(w);
    w = (u16)-255u; put16(w);
    w = (u16)~0xFFu; put16(w);
    w = (u16)(-4u + zero); put16(w);
    w = (u16)-256u; put16(w);
    s = -0x80; put16(s);
    s = -0xC8; put16(s);
    s = ~0xFF; put16(s);
    s = -0200; put16(s);
    s = -(u8)200; put16(s);
    s = -(u8)4; put16(s);
    s = ~(u8)3; put16(s);
    s = -0x7F; put16(s);
    s = -200; put16(s);
    put8((u16)-1u == 0xFFFFu);
    put8(-0x80 < 0);
}
