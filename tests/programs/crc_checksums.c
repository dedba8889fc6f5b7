/* Checksums of strings: CRC-16/CCITT bit by bit and by a nibble table
   built at run time, an 8-bit sum and xor, Fletcher-16 and Adler-32 in long. */
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

static char inputs[4][28] = { "123456789", "", "The quick brown fox", "VxCORE VxCORE VxCORE" };
static uint16_t table[16];

static uint16_t crc16_bits(const char *s, uint16_t crc)
{
    for (; *s != '\0'; s++) {
        int i;
        crc ^= (uint16_t)((uint16_t)(unsigned char)*s << 8);
        for (i = 0; i < 8; i++)
            crc = (crc & 0x8000u) ? (uint16_t)((crc << 1) ^ 0x1021u) : (uint16_t)(crc << 1);
    }
    return crc;
}

static uint16_t crc16_table(const char *s, uint16_t crc)
{
    for (; *s != '\0'; s++) {
        crc = (uint16_t)((crc << 4) ^ table[((crc >> 12) ^ ((unsigned char)*s >> 4)) & 0xF]);
        crc = (uint16_t)((crc << 4) ^ table[((crc >> 12) ^ (unsigned char)*s) & 0xF]);
    }
    return crc;
}

int main(void)
{
    int i;
    uint16_t check = 0;
    for (i = 0; i < 16; i++) {
        uint16_t c = (uint16_t)(i << 12);
        int k;
        for (k = 0; k < 4; k++)
            c = (c & 0x8000u) ? (uint16_t)((c << 1) ^ 0x1021u) : (uint16_t)(c << 1);
        table[i] = c;
    }
    for (i = 0; i < 4; i++) {
        const char *s = inputs[i];
        uint16_t a = crc16_bits(s, 0xFFFFu);
        uint16_t b = crc16_table(s, 0xFFFFu);
        unsigned char sum = 0, x = 0;
        uint16_t f1 = 0, f2 = 0;
        unsigned long s1 = 1, s2 = 0;
        const char *p;
        for (p = s; *p != '\0'; p++) {
            unsigned char c = (unsigned char)*p;
            sum = (unsigned char)(sum + c);
            x ^= c;
            f1 = (uint16_t)((f1 + c) % 255u);
            f2 = (uint16_t)((f2 + f1) % 255u);
            s1 = (s1 + c) % 65521UL;
            s2 = (s2 + s1) % 65521UL;
        }
        if (a != b)
            abort();
        check ^= a;
        printf("%2d %04X %02X %02X %04X %08lX\n", (int)strlen(s), (unsigned)a, (unsigned)sum,
               (unsigned)x, (unsigned)((f2 << 8) | f1), (s2 << 16) | s1);
    }
    if (crc16_bits(inputs[0], 0xFFFFu) != 0x29B1u)
        abort();
    return check & 0xFF;
}
