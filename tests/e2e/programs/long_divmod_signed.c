// Signed 32- and 24-bit division and remainder with every sign combination, the most negative value and divisors with zero bytes; truncation toward zero.
#include "../e2e.h"
#include "../e2e_wide.h"

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
