// Signed 32- and 24-bit division and remainder with every sign combination, the most negative value and divisors with zero bytes; truncation toward zero.
#include "../e2e.h"

/* The host has no 24-bit type and its long has 64 bits: there the 32-bit
   types are its int, the 24-bit types are int and unsigned int, and U24 and
   S24 reduce a value to 24 bits as the target's own conversion does. */
#ifdef __VxCORE
typedef unsigned long u32;
typedef long s32;
typedef unsigned short long u24;
typedef short long s24;
#define U24(x) ((u24)(x))
#define S24(x) ((s24)(x))
#else
typedef unsigned int u32;
typedef int s32;
typedef unsigned int u24;
typedef int s24;
#define U24(x) ((u24)((u32)(x) & 0xFFFFFFu))
#define S24(x) ((s24)((((u32)(x) & 0xFFFFFFu) ^ 0x800000u) - 0x800000u))
#endif

#define S32_MIN (-2147483647L - 1)
#define S32_MAX 2147483647L
#define S24_MIN (-8388607L - 1)
#define S24_MAX 8388607L

/* A rotate-and-add checksum folds many results into out[], kept to 16-bit
   operations so that a fault in the wide code under test cannot hide in
   the checksum itself. */
u16 check;

void mix(u32 v)
{
    check = (u16)((check << 3) | (check >> 13)) ^ (u16)v;
    check = (u16)(check + (u16)(v >> 16));
}

void put32(u32 x)
{
    put16((u16)x);
    put16((u16)(x >> 16));
}

s32 dividends[12] = { S32_MIN, -2147483647L, -1000000000L, -65536L, -256, -7, -1,
                      0, 7, 65535L, 123456789L, S32_MAX };
s32 divisors[14] = { S32_MIN, -16777216L, -65536L, -256, -10, -2, -1,
                     1, 2, 3, 256, 0x10001L, 0x01000000L, S32_MAX };
s24 dividends24[7] = { S24_MIN, -100000L, -7, 0, 7, 65536L, S24_MAX };
s24 divisors24[8] = { S24_MIN, -65536L, -256, -1, 1, 3, 0x100L, S24_MAX };

void main(void)
{
    u8 i, j, exact;
    s32 a, d, q, r;
    s24 a24, d24, q24, r24;

    a = dividends[0]; d = divisors[8]; put32((u32)(a / d)); put32((u32)(a % d));
    a = dividends[0]; d = divisors[13]; put32((u32)(a / d)); put32((u32)(a % d));
    a = dividends[5]; d = divisors[8]; put32((u32)(a / d)); put32((u32)(a % d));
    a = dividends[2]; d = divisors[4]; put32((u32)(a / d)); put32((u32)(a % d));
    a = dividends[10]; d = divisors[11]; put32((u32)(a / d)); put32((u32)(a % d));

    check = 0;
    exact = 0;
    for (i = 0; i < 12; i++)
        for (j = 0; j < 14; j++) {
            a = dividends[i];
            d = divisors[j];
            if (a == S32_MIN && d == -1)
                continue;
            q = a / d;
            r = a % d;
            mix((u32)q);
            mix((u32)r);
            /* The remainder takes the dividend's sign and the quotient
               rounds toward zero. */
            if ((u32)q * (u32)d + (u32)r == (u32)a && (r == 0 || (r < 0) == (a < 0)))
                exact++;
        }
    put16(check);
    put8(exact);

    check = 0;
    for (i = 0; i < 12; i++) {
        a = dividends[i];
        mix((u32)(a / 10));
        mix((u32)(a % 10));
        mix((u32)(a / -3));
        mix((u32)(a % -3));
        mix((u32)(a / 256));
        mix((u32)(a % 256));
        mix((u32)(a / 65536L));
        mix((u32)(a / -16777216L));
        /* Powers of two must still round toward zero for negative
           dividends, whatever shifts they become. */
        mix((u32)(a / 2));
        mix((u32)(a / 8));
        mix((u32)(a / 32768L));
        mix((u32)(a / 16777216L));
        mix((u32)(a / 1073741824L));
        mix((u32)(a % 2));
        mix((u32)(a % 16));
        mix((u32)(a % 65536L));
        mix((u32)(a / -2));
        q = a;
        q /= 100;
        mix((u32)q);
        q = a;
        q %= -1000;
        mix((u32)q);
    }
    put16(check);

    check = 0;
    exact = 0;
    for (i = 0; i < 7; i++)
        for (j = 0; j < 8; j++) {
            a24 = dividends24[i];
            d24 = divisors24[j];
            if (a24 == S24_MIN && d24 == -1)
                continue;
            q24 = a24 / d24;
            r24 = a24 % d24;
            mix((u32)(s32)q24);
            mix((u32)(s32)r24);
            if (S24(q24 * d24 + r24) == a24)
                exact++;
        }
    for (i = 0; i < 7; i++) {
        a24 = dividends24[i];
        mix((u32)(s32)(a24 / 10));
        mix((u32)(s32)(a24 % -10));
        mix((u32)(s32)(a24 / 4));
        mix((u32)(s32)(a24 / 65536L));
        mix((u32)(s32)(a24 % 256));
    }
    put16(check);
    put8(exact);
}
