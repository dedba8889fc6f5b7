// Unsigned 32- and 24-bit division and remainder over divisors with zero bytes, powers of two and the extremes, checked by q*d+r; constant divisors.
#include "../e2e.h"
#include "../e2e_wide.h"

u32 dividends[11] = { 0, 1, 0xFFUL, 0xFFFFUL, 0x10000UL, 0x12345678UL, 1000000000UL,
                      0x7FFFFFFFUL, 0x80000000UL, 0xFFFFFFFEUL, 0xFFFFFFFFUL };
u32 divisors[17] = { 1, 2, 3, 7, 10, 0xFFUL, 0x100UL, 0xFFFFUL, 0x10000UL, 0x10001UL,
                     0x1000000UL, 0x00FF00FFUL, 0x01000001UL, 0x12340000UL,
                     0x7FFFFFFFUL, 0x80000000UL, 0xFFFFFFFFUL };
u24 dividends24[6] = { 0, 1, 0xFFFFUL, 0x123456UL, 0x800000UL, 0xFFFFFFUL };
u24 divisors24[8] = { 1, 3, 0x100UL, 0xFFFFUL, 0x10000UL, 0x010001UL, 0x800000UL, 0xFFFFFFUL };

void main(void)
{
    u8 i, j, exact;
    u32 a, d, q, r;
    u24 a24, d24, q24, r24;

    a = dividends[5]; d = divisors[3]; put32(a / d); put32(a % d);
    a = dividends[10]; d = divisors[9]; put32(a / d); put32(a % d);
    a = dividends[9]; d = divisors[12]; put32(a / d); put32(a % d);
    a = dividends[6]; d = divisors[13]; put32(a / d); put32(a % d);

    check = 0;
    exact = 0;
    for (i = 0; i < 11; i++)
        for (j = 0; j < 17; j++) {
            a = dividends[i];
            d = divisors[j];
            q = a / d;
            r = a % d;
            mix(q);
            mix(r);
            if (q * d + r == a && r < d)
                exact++;
        }
    put16(check);
    put8(exact);

    check = 0;
    for (i = 0; i < 11; i++) {
        a = dividends[i];
        mix(a / 10);
        mix(a % 10);
        mix(a / 1000UL);
        mix(a % 1000UL);
        mix(a / 256);
        mix(a % 256);
        mix(a / 65536UL);
        mix(a % 65536UL);
        mix(a / 0x10001UL);
        mix(a / 0x80000000UL);
        q = a;
        q /= 7;
        mix(q);
        q = a;
        q %= 0xFF00UL;
        mix(q);
    }
    put16(check);

    check = 0;
    exact = 0;
    for (i = 0; i < 6; i++)
        for (j = 0; j < 8; j++) {
            a24 = dividends24[i];
            d24 = divisors24[j];
            q24 = a24 / d24;
            r24 = a24 % d24;
            mix(q24);
            mix(r24);
            if (U24(q24 * d24 + r24) == a24)
                exact++;
        }
    for (i = 0; i < 6; i++) {
        a24 = dividends24[i];
        mix(a24 / 10);
        mix(a24 % 10);
        mix(a24 / 0x1000UL);
    }
    put16(check);
    put8(exact);

    /* A 16-bit dividend against a 32-bit divisor and the reverse. */
    check = 0;
    for (i = 0; i < 11; i++) {
        a = dividends[i];
        mix((u16)0xFFFFu / (a | 1));
        mix(a / (u16)(i * 1000 + 1));
        mix(a % (u8)(i * 20 + 3));
    }
    put16(check);
}
