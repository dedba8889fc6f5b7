// Program-memory tables of signed and unsigned 8-, 16-, 24- and 32-bit values read by constant and variable index, in forward and backward loops, sign- and zero-extended into wider variables and compared in place.
#include "../e2e.h"
#include "../e2e_wide.h"

rom u8 bytes[10] = { 0, 1, 0x7F, 0x80, 0xFF, 0x55, 0xAA, 3, 200, 17 };
rom s8 sbytes[8] = { -128, -1, 0, 1, 127, -100, 50, -7 };
rom u16 words[8] = { 0, 1, 0x00FF, 0x0100, 0x7FFF, 0x8000, 0xFFFF, 0x1234 };
rom s16 swords[6] = { -32767 - 1, -1, 0, 1, 32767, -1000 };
rom u24 tri[5] = { 0, 0xFFFFFF, 0x800000, 0x123456, 0x00FF00 };
rom s24 stri[4] = { -1, -8388607 - 1, 8388607, -70000 };
rom u32 quads[5] = { 0, 0xFFFFFFFF, 0x80000000, 0x12345678, 0x00010000 };
rom s32 squads[4] = { -1, -2147483647 - 1, 2147483647, -100000 };

/* Rotating before each step makes the hash depend on the order of the
   values, so a table read at a wrong index shows. */
u16 hash;

void mix16(u16 v)
{
    hash = (u16)(((u16)(hash << 3) | (hash >> 13)) ^ v);
}

void mix32(u32 v)
{
    mix16((u16)v);
    mix16((u16)(v >> 16));
}

void main(void)
{
    u8 i, negatives;
    u16 usum;
    s16 ssum;
    u32 wide;
    s32 swide;

    usum = 0;
    for (i = 0; i < 10; i++)
        usum += bytes[i];
    put16(usum);
    put8(bytes[8]);
    put8(bytes[(u8)(usum & 7)]);

    ssum = 0;
    negatives = 0;
    for (i = 8; i-- > 0;) {
        ssum += sbytes[i];
        if (sbytes[i] < 0)
            negatives++;
        mix16((u16)(s16)sbytes[i]);
    }
    put16((u16)ssum);
    put8(negatives);
    put16((u16)(s16)sbytes[0]);

    for (i = 0; i < 8; i++)
        mix16(words[(u8)(i * 3) & 7]);
    put16(words[5]);
    swide = 0;
    for (i = 0; i < 6; i++) {
        swide += swords[i];
        if (swords[i] > 0 && swords[i] < 100)
            put8(i);
    }
    mix32((u32)swide);

    wide = 0;
    for (i = 0; i < 5; i++) {
        wide += tri[i];
        mix32(tri[4 - i]);
    }
    put16((u16)wide);
    put16((u16)(wide >> 16));
    put8((u8)(tri[3] >> 16));
    for (i = 0; i < 4; i++) {
        swide = stri[i];
        mix32((u32)swide);
        if (stri[i] < -65536)
            put8((u8)(0xE0 + i));
    }

    wide = 0;
    for (i = 0; i < 5; i++) {
        wide ^= quads[i];
        wide += quads[(u8)(i + 1) % 5] >> i;
    }
    mix32(wide);
    put16((u16)(quads[3] >> 8));
    for (i = 0; i < 4; i++) {
        if (squads[i] < 0)
            mix32((u32)squads[i]);
        else
            mix32((u32)squads[i] >> 4);
    }
    put8(quads[1] == 0xFFFFFFFFu);
    put8(squads[1] < squads[3]);
    put16(hash);
}
