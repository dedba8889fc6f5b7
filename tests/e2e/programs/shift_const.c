// Shifts by constant counts on 8- and 16-bit values, signed ones only where they are not negative.
#include "../e2e.h"

u8 b8 = 0xB6;
s8 p8 = 0x5A;
u16 w16 = 0xC3A5;
s16 p16 = 0x7BCD;

void main(void)
{
    u8 r8;
    u16 r16;
    s16 s;
    r8 = b8 << 1; put8(r8);
    r8 = b8 << 4; put8(r8);
    r8 = b8 << 7; put8(r8);
    r8 = b8 >> 1; put8(r8);
    r8 = b8 >> 4; put8(r8);
    r8 = b8 >> 7; put8(r8);
    r8 = p8 >> 3; put8(r8);
    r8 = (u8)(p8 << 2); put8(r8);
    r16 = w16 << 1; put16(r16);
    r16 = w16 << 4; put16(r16);
    r16 = w16 << 8; put16(r16);
    r16 = w16 << 12; put16(r16);
    r16 = w16 << 15; put16(r16);
    r16 = w16 >> 1; put16(r16);
    r16 = w16 >> 7; put16(r16);
    r16 = w16 >> 8; put16(r16);
    r16 = w16 >> 9; put16(r16);
    r16 = w16 >> 15; put16(r16);
    s = p16 >> 3; put16(s);
    s = p16 >> 8; put16(s);
    s = (s16)((u16)p16 << 3); put16(s);
    /* The high and low byte, the way drivers split a word. */
    put8((u8)(w16 >> 8));
    put8((u8)w16);
    r16 = ((u16)b8 << 8) | (u8)p8;
    put16(r16);
}
