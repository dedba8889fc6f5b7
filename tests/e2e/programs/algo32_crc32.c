// CRC-32 in its reflected and its MSB-first forms, bit by bit and with a nibble table, over byte strings, checked against known check values.
#include "../e2e.h"
#include "../e2e_wide.h"

char check_string[10] = "123456789";
u8 data[48];

u32 crc32_bitwise(u8 *p, u8 n)
{
    u32 crc = 0xFFFFFFFFUL;
    u8 k;
    while (n--) {
        crc ^= *p++;
        for (k = 0; k < 8; k++)
            crc = crc & 1 ? (crc >> 1) ^ 0xEDB88320UL : crc >> 1;
    }
    return ~crc;
}

/* Sixteen entries instead of 256: the full table would not fit in RAM. */
u32 nibble_table[16];

void make_table(void)
{
    u8 i, k;
    u32 c;
    for (i = 0; i < 16; i++) {
        c = i;
        for (k = 0; k < 4; k++)
            c = c & 1 ? (c >> 1) ^ 0xEDB88320UL : c >> 1;
        nibble_table[i] = c;
    }
}

u32 crc32_update(u32 crc, u8 *p, u8 n)
{
    while (n--) {
        crc ^= *p++;
        crc = (crc >> 4) ^ nibble_table[(u8)crc & 15];
        crc = (crc >> 4) ^ nibble_table[(u8)crc & 15];
    }
    return crc;
}

/* The MSB-first form shifts the other way and needs the byte at the top. */
u32 crc32_msb(u8 *p, u8 n)
{
    u32 crc = 0xFFFFFFFFUL;
    u8 k;
    while (n--) {
        crc ^= (u32)*p++ << 24;
        for (k = 0; k < 8; k++)
            if (crc & 0x80000000UL)
                crc = (crc << 1) ^ 0x04C11DB7UL;
            else
                crc <<= 1;
    }
    return ~crc;
}

void main(void)
{
    u8 i, changed;
    u32 crc, base;

    put32(crc32_bitwise((u8 *)check_string, 9));
    put32(crc32_msb((u8 *)check_string, 9));
    make_table();
    put32(nibble_table[1]);
    put32(nibble_table[15]);
    put32(~crc32_update(0xFFFFFFFFUL, (u8 *)check_string, 9));

    for (i = 0; i < 48; i++)
        data[i] = (u8)(i * 37 + 101);
    put32(crc32_bitwise(data, 48));
    put32(crc32_msb(data, 48));
    /* Fed in pieces, the table form must agree with one pass. */
    crc = crc32_update(0xFFFFFFFFUL, data, 5);
    crc = crc32_update(crc, data + 5, 30);
    crc = crc32_update(crc, data + 35, 13);
    put32(~crc);
    put32(crc32_bitwise(data, 0));
    data[0] = 0;
    put32(crc32_bitwise(data, 1));
    for (i = 0; i < 4; i++)
        data[i] = 0xFF;
    put32(crc32_bitwise(data, 4));
    put32(crc32_msb(data, 4));

    /* Flipping any single bit of the message changes the CRC. */
    check = 0;
    base = crc32_bitwise(data, 8);
    changed = 0;
    for (i = 0; i < 32; i++) {
        data[i >> 3] ^= (u8)(1 << (i & 7));
        crc = crc32_bitwise(data, 8);
        mix(crc);
        changed += crc != base;
        data[i >> 3] ^= (u8)(1 << (i & 7));
    }
    put16(check);
    put8(changed);
}
