// Sixteen-bit checksums: CRC-16 with polynomial 0x1021 bit by bit, and Fletcher-16.
// CODESIZE-EXPECT: B1 29 C3 31 B1 29 07 D8 DE 1E 2F ED 00 00 2D EB
// CODESIZE-NEEDS: runtime
#include "bench.h"

char message[] = "123456789";
u8 block[16];

u16 crc16(const u8 *p, u8 n, u16 crc)
{
    u8 bit;
    while (n--) {
        crc ^= (u16)*p++ << 8;
        for (bit = 0; bit < 8; bit++) {
            if (crc & 0x8000)
                crc = (crc << 1) ^ 0x1021;
            else
                crc <<= 1;
        }
    }
    return crc;
}

u16 fletcher16(const u8 *p, u8 n)
{
    u16 sum1 = 0, sum2 = 0;
    while (n--) {
        sum1 = (sum1 + *p++) % 255;
        sum2 = (sum2 + sum1) % 255;
    }
    return (sum2 << 8) | sum1;
}

void main(void)
{
    u8 i;
    u16 crc;

    put16(crc16((const u8 *)message, 9, 0xFFFF));
    put16(crc16((const u8 *)message, 9, 0));
    /* A CRC continued over two halves equals the CRC of the whole. */
    crc = crc16((const u8 *)message, 4, 0xFFFF);
    put16(crc16((const u8 *)message + 4, 5, crc));

    for (i = 0; i < 16; i++)
        block[i] = i * 17 + 3;
    put16(crc16(block, 16, 0xFFFF));
    put16(fletcher16((const u8 *)message, 9));
    put16(fletcher16(block, 16));
    put16(fletcher16(block, 0));
    block[15] = 0xFF;
    put16(fletcher16(block, 16));
}
