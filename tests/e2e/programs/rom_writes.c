// Stores, compound assignments and steps on objects in program memory: bytes, words, 24- and 32-bit values, array elements by variable slot, through rom pointers, and whole structs; the simulator writes program memory at each TBLWT.
#include "../e2e.h"
#include "../e2e_wide.h"

struct pair { u8 tag; u16 value; };

rom u8 bytes[6] = {1, 2, 3, 4, 5, 6};
rom u16 words[4] = {0x1234, 0xFFFF, 0, 0x8000u};
rom s32 longs[3] = {-1L, 0x12345678L, 100000L};
rom struct pair pairs[2] = {{1, 0x1111}, {2, 0x2222}};
struct pair ram_pair = {9, 0xBEEF};
u8 slot = 3;

void bump(rom u16 *p, u16 by)
{
    *p += by;
}

void main(void)
{
    u8 i;
    u16 old;
    s32 before;
    rom u8 *q = bytes;

    bytes[0] = 0xA5;
    bytes[slot] = (u8)(bytes[slot] * 3);
    bytes[1] += 7;
    bytes[2] <<= 2;
    bytes[5] ^= 0xF0;
    q[4]--;
    ++q[4];
    q[4]++;
    for (i = 0; i < 6; i++)
        put8(bytes[i]);

    old = words[1]++;
    put16(old);
    words[2] = words[0] + 1;
    words[3] >>= 3;
    words[0] |= 0x00F0;
    bump(&words[1], 0x100);
    for (i = 0; i < 4; i++)
        put16(words[i]);

    before = longs[0]--;
    put16((u16)before);
    longs[1] += 0x01010101L;
    longs[2] = longs[2] * 3 - 7;
    for (i = 0; i < 3; i++) {
        put16((u16)longs[i]);
        put16((u16)((u32)longs[i] >> 16));
    }

    pairs[1] = ram_pair;
    pairs[0].value -= 0x0101;
    ram_pair = pairs[0];
    put8(pairs[1].tag);
    put16(pairs[1].value);
    put8(ram_pair.tag);
    put16(ram_pair.value);
}
