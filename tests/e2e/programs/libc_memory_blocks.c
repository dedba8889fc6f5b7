// memset, memcpy, memcpy_rom, memmove and memcmp over whole 256-byte banks and counts on both sides of 256, where the count's high byte matters, checked through hashes of the blocks.
#include "../e2e.h"
#include <string.h>

#ifndef __VxCORE
#define memcpy_rom memcpy
#endif

/* A data section holds one bank, so each block has a section of its own. */
#ifdef __VxCORE
#pragma udata block_one
#endif
u8 one[256];
#ifdef __VxCORE
#pragma udata block_two
#endif
u8 two[256];
#ifdef __VxCORE
#pragma udata
#endif
u8 none;

rom u8 pattern[256] = { 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 0x80, 0xFF, 0x7F, 0x55, 0xAA };

u16 hash(const u8 *p, u16 n)
{
    u16 h = 0;

    while (n--)
        h = (u16)(h * 31u + *p++);
    return h;
}

void main(void)
{
    u16 i;

    for (i = 0; i < 256; i++)
        one[i] = (u8)(i * 13u);
    memset(two, 0xA5, 256);
    put16(hash(two, 256));
    memset(two, 0x3C, 255);
    put8(two[254]);
    put8(two[255]);
    memset(two + 10, 0, 1);
    memset(two + 11, 7, none);
    put16(hash(two, 256));

    memcpy(two, one, 256);
    put16(hash(two, 256));
    put8((u8)memcmp(one, two, 256));
    two[255] ^= 1;
    put8(memcmp(one, two, 256) > 0);
    memcpy(two + 1, one, 255);
    put16(hash(two, 256));
    memcpy(two, one, 1);
    put16(hash(two, 256));

    memcpy_rom(two, pattern, 256);
    put16(hash(two, 256));
    memcpy_rom(two + 200, pattern + 10, 5);
    put16(hash(two, 256));

    memcpy(two, one, 256);
    memmove(two + 3, two, 253);
    put16(hash(two, 256));
    memmove(two, two + 7, 249);
    put16(hash(two, 256));
    memmove(two + 40, two + 40, 100);
    put16(hash(two, 256));
}
