// Numbers to text and back on char arrays: signed decimal and hexadecimal formatting, and parsing decimal text with a sign.
// CODESIZE-EXPECT: 06 2D 33 32 37 36 38 00 01 30 03 37 42 45 45 46 00 00 80 8B 03 0C 00 FF FF
// CODESIZE-NEEDS: runtime
#include "bench.h"

char text[8];
char input[4][8] = { "-32768", "907", "+12x", "65535" };
char hex_digits[] = "0123456789ABCDEF";

u8 format_s16(char *dst, s16 v)
{
    /* Negating -32768 overflows in 16 bits; the unsigned magnitude does not. */
    u16 m = v < 0 ? (u16)0 - (u16)v : (u16)v;
    char tmp[6];
    u8 n = 0, len = 0;
    do {
        tmp[n++] = '0' + m % 10;
        m /= 10;
    } while (m);
    if (v < 0)
        dst[len++] = '-';
    while (n)
        dst[len++] = tmp[--n];
    dst[len] = 0;
    return len;
}

void format_hex16(char *dst, u16 v)
{
    u8 i;
    for (i = 0; i < 4; i++) {
        dst[3 - i] = hex_digits[v & 0xF];
        v >>= 4;
    }
    dst[4] = 0;
}

/* Parses until the first non-digit; the value wraps like the u16 it fills. */
u16 parse(const char *s)
{
    u8 negative = 0;
    u16 v = 0;
    if (*s == '-' || *s == '+')
        negative = *s++ == '-';
    while (*s >= '0' && *s <= '9')
        v = v * 10 + (*s++ - '0');
    return negative ? 0 - v : v;
}

void main(void)
{
    u8 i, len;
    len = format_s16(text, -32767 - 1);
    put8(len);
    for (i = 0; i < 7; i++)
        put8(text[i]);
    put8(format_s16(text, 0));
    put8(text[0]);
    put8(format_s16(text, 907));
    put8(text[2]);
    format_hex16(text, 0xBEEF);
    for (i = 0; i < 5; i++)
        put8(text[i]);
    for (i = 0; i < 4; i++)
        put16(parse(input[i]));
}
