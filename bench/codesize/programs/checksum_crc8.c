// Checksums over a message: additive, XOR, two's-complement, CRC-8 bit by bit and through a nibble table built at run time.
// CODESIZE-EXPECT: F4 CE 00 07 38 2D F4 CE 0D EF F3 00
#include "bench.h"

char message[] = "123456789";
u8 packet[8] = { 0x01, 0x80, 0xFF, 0x00, 0x7E, 0x55, 0xAA, 0x10 };
/* Sixteen entries, a nibble at a time: a 256-byte table would not fit in
   one bank of data memory beside the rest of the program's variables. */
u8 crc_table[16];

u8 crc8_bitwise(const u8 *p, u8 n)
{
    u8 crc = 0;
    u8 bit;
    while (n--) {
        crc ^= *p++;
        for (bit = 0; bit < 8; bit++)
            crc = (crc & 0x80) ? (u8)((crc << 1) ^ 0x07) : (u8)(crc << 1);
    }
    return crc;
}

/* The entry of a nibble is what the register becomes when the nibble, at
   the top of an otherwise clear register, is shifted out. */
void crc8_build_table(void)
{
    u8 i, bit, crc;
    for (i = 0; i < 16; i++) {
        crc = i << 4;
        for (bit = 0; bit < 4; bit++)
            crc = (crc & 0x80) ? (u8)((crc << 1) ^ 0x07) : (u8)(crc << 1);
        crc_table[i] = crc;
    }
}

u8 crc8_table(const u8 *p, u8 n)
{
    u8 crc = 0;
    while (n--) {
        crc ^= *p++;
        crc = (u8)(crc << 4) ^ crc_table[crc >> 4];
        crc = (u8)(crc << 4) ^ crc_table[crc >> 4];
    }
    return crc;
}

void main(void)
{
    u8 i, sum, x;

    put8(crc8_bitwise((const u8 *)message, 9));
    put8(crc8_bitwise(packet, 8));
    put8(crc8_bitwise(packet, 0));
    crc8_build_table();
    put8(crc_table[1]);
    put8(crc_table[8]);
    put8(crc_table[15]);
    put8(crc8_table((const u8 *)message, 9));
    put8(crc8_table(packet, 8));

    sum = 0;
    x = 0;
    for (i = 0; i < 8; i++) {
        sum += packet[i];
        x ^= packet[i];
    }
    put8(sum);
    put8(x);
    /* The byte that makes the packet sum to zero. */
    put8((u8)(0 - sum));
    put8((u8)(sum + (u8)(0 - sum)));
}
