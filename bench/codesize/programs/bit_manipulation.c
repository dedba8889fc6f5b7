// Bit manipulation on registers held in variables: set, clear, toggle and test single bits, write fields and rotate.
// CODESIZE-EXPECT: 5E 1E 9F 01 01 F0 CF 01 01 3F FF 00 A0 F4 EE EE 05 00 03 06 0C 0C FF CF F0 FF 0C
#include "bench.h"

u8 port = 0x5A;
u16 flags = 0x8001;

u16 set_field(u16 reg, u8 shift, u8 width, u16 value)
{
    u16 mask = (((u16)1 << width) - 1) << shift;
    return (reg & ~mask) | ((value << shift) & mask);
}

u8 get_field(u16 reg, u8 shift, u8 width)
{
    return (reg >> shift) & ((1 << width) - 1);
}

void main(void)
{
    u8 i, b;
    port |= 1 << 2;
    put8(port);
    port &= ~(1 << 6);
    put8(port);
    port ^= 0x81;
    put8(port);
    put8((port >> 3) & 1);
    put8((port & (1 << 4)) != 0);

    flags |= (u16)1 << 14;
    flags &= ~(u16)1;
    flags ^= 0x0FF0;
    put16(flags);
    put8((flags & 0x8000) ? 1 : 0);
    put8(!(flags & 0x0001));

    put16(set_field(0xFFFF, 4, 4, 0x3));
    put16(set_field(0x0000, 12, 4, 0xFA));
    put16(set_field(0x1234, 4, 12, 0xBEEF));
    put8(get_field(0xBEEF, 4, 8));
    put8(get_field(0xBEEF, 13, 3));
    put8(get_field(flags, 0, 1));

    /* Rotate a byte and a word left through several positions. */
    b = 0x81;
    for (i = 0; i < 3; i++) {
        b = (u8)((b << 1) | (b >> 7));
        put8(b);
    }
    for (i = 0; i < 3; i++) {
        flags = (flags << 4) | (flags >> 12);
        put16(flags);
    }
}
