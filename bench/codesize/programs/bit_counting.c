// Counting, finding and reversing bits: population count, parity, lowest set bit and bit reversal of bytes and words.
// CODESIZE-EXPECT: 00 08 04 01 00 01 80 2D 00 10 00 00 01 00 00 80 01 0F 01 00 10 00 FF FF 02 06 80 02 08 00 A5 C3
#include "bench.h"

u8 popcount8(u8 x)
{
    u8 n = 0;
    while (x) {
        x &= x - 1;
        n++;
    }
    return n;
}

u8 popcount16(u16 x)
{
    u8 n = 0;
    for (; x; x >>= 1)
        n += x & 1;
    return n;
}

u8 parity8(u8 x)
{
    x ^= x >> 4;
    x ^= x >> 2;
    x ^= x >> 1;
    return x & 1;
}

u8 reverse8(u8 x)
{
    u8 r = 0, i;
    for (i = 0; i < 8; i++) {
        r = (r << 1) | (x & 1);
        x >>= 1;
    }
    return r;
}

u16 reverse16(u16 x)
{
    return ((u16)reverse8((u8)x) << 8) | reverse8((u8)(x >> 8));
}

/* Index of the lowest set bit, 16 when there is none. */
u8 lowest_bit(u16 x)
{
    u8 i;
    for (i = 0; i < 16; i++)
        if (x & ((u16)1 << i))
            return i;
    return 16;
}

u16 words[6] = { 0, 1, 0x8000, 0xFFFF, 0x0140, 0xA5C3 };

void main(void)
{
    u8 i;
    put8(popcount8(0));
    put8(popcount8(0xFF));
    put8(popcount8(0xA5));
    put8(parity8(0x01));
    put8(parity8(0x03));
    put8(parity8(0xFE));
    put8(reverse8(0x01));
    put8(reverse8(0xB4));
    for (i = 0; i < 6; i++) {
        put8(popcount16(words[i]));
        put8(lowest_bit(words[i]));
        put16(reverse16(words[i]));
    }
}
