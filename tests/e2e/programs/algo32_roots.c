// Integer square roots of 32-bit values by digits and by Newton's method, a 16.16 fixed-point square root and an integer cube root, each checked against its bounds.
#include "../e2e.h"
#include "../e2e_wide.h"

u32 isqrt_digits(u32 x)
{
    u32 root = 0, bit = 0x40000000UL;
    while (bit > x)
        bit >>= 2;
    while (bit) {
        if (x >= root + bit) {
            x -= root + bit;
            root = (root >> 1) + bit;
        } else {
            root >>= 1;
        }
        bit >>= 2;
    }
    return root;
}

u32 isqrt_newton(u32 x)
{
    u32 r, next;
    if (x < 2)
        return x;
    r = x / 2 + 1;
    if (r > 65535UL)
        r = 65535UL;
    for (;;) {
        next = (r + x / r) / 2;
        if (next >= r)
            return r;
        r = next;
    }
}

/* The root of x * 2^16, taken two bits of the 48-bit radicand at a time;
   the remainder stays below 2^26. */
u32 fixed_sqrt(u32 x)
{
    u32 root = 0, rem = 0, trial;
    u8 i;
    for (i = 0; i < 24; i++) {
        rem = (rem << 2) | (x >> 30);
        x <<= 2;
        root <<= 1;
        trial = (root << 1) + 1;
        if (rem >= trial) {
            rem -= trial;
            root++;
        }
    }
    return root;
}

u32 icbrt(u32 x)
{
    u32 y = 0, b;
    s8 s;
    for (s = 30; s >= 0; s -= 3) {
        y <<= 1;
        b = 3 * y * (y + 1) + 1;
        if (x >> s >= b) {
            x -= b << s;
            y++;
        }
    }
    return y;
}

u8 sqrt_ok(u32 x, u32 r)
{
    if (r * r > x)
        return 0;
    return r == 65535UL || (r + 1) * (r + 1) > x;
}

u8 cbrt_ok(u32 x, u32 y)
{
    if (y * y * y > x)
        return 0;
    return y == 1625 || (y + 1) * (y + 1) * (y + 1) > x;
}

u32 values[16] = { 0, 1, 2, 3, 4, 15, 16, 17, 65535UL, 65536UL, 1000000UL, 0x3FFFFFFFUL,
                   4294836225UL, 4294836224UL, 0xFFFFFFFEUL, 0xFFFFFFFFUL };
/* 16.16 values: 2.0, 0.5, 1.0, 100.25, 0.0001, 65535.99 */
u32 fixed[6] = { 0x20000UL, 0x8000UL, 0x10000UL, 0x640000UL + 0x4000UL, 7, 0xFFFFFFFFUL };

void main(void)
{
    u8 i, good;
    u32 x, r;

    for (i = 8; i < 16; i++)
        put16((u16)isqrt_digits(values[i]));
    for (i = 0; i < 6; i++)
        put32(fixed_sqrt(fixed[i]));
    put16((u16)icbrt(0xFFFFFFFFUL));
    put16((u16)icbrt(1000000000UL));
    put16((u16)icbrt(999999999UL));

    check = 0;
    good = 0;
    for (i = 0; i < 16; i++) {
        r = isqrt_digits(values[i]);
        good += sqrt_ok(values[i], r);
        good += r == isqrt_newton(values[i]);
        good += cbrt_ok(values[i], icbrt(values[i]));
        mix(r);
        mix(icbrt(values[i]));
    }
    put8(good);

    /* A sweep with a multiplicative step reaches every magnitude up to
       3.2e9. */
    good = 0;
    x = 5;
    for (i = 0; i < 50; i++) {
        r = isqrt_digits(x);
        good += sqrt_ok(x, r) + (r == isqrt_newton(x)) + cbrt_ok(x, icbrt(x));
        mix(fixed_sqrt(x));
        x = x + (x >> 1) + 7;
    }
    put8(good);
    put16(check);
}
