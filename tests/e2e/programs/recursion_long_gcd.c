// Recursive gcd, extended gcd with signed coefficients, modular inverses and lcm on 32-bit operands, checked against their defining identities.
#include "../e2e.h"
#include "../e2e_wide.h"

/* The software stack has 128 bytes: gcd takes two remainder steps per
   call, and the extended form is only given pairs that need few steps. */
u8 depth, max_depth;

u32 gcd(u32 a, u32 b)
{
    u32 r;
    if (b == 0)
        return a;
    r = a % b;
    if (r == 0)
        return b;
    if (++depth > max_depth)
        max_depth = depth;
    r = gcd(b % r, r);
    depth--;
    return r;
}

s32 gcd_signed(s32 a, s32 b)
{
    s32 r;
    if (b == 0)
        return a < 0 ? -a : a;
    r = a % b;
    if (r == 0)
        return b < 0 ? -b : b;
    return gcd_signed(r, b % r);
}

/* Returns g = gcd(a, b) and x, y with a*x + b*y = g. */
s32 ext_gcd(s32 a, s32 b, s32 *x, s32 *y)
{
    s32 g, x1, y1;
    if (b == 0) {
        *x = 1;
        *y = 0;
        return a;
    }
    g = ext_gcd(b, a % b, &x1, &y1);
    *x = y1;
    *y = x1 - a / b * y1;
    return g;
}

u32 lcm(u32 a, u32 b)
{
    return a / gcd(a, b) * b;
}

/* Pairs chosen to need at most ten remainder steps. */
u32 pairs_a[12] = { 0xFFFFFFFFUL, 3000000000UL, 0x80000000UL, 0x7FFFFFFFUL, 0xFFFF0000UL,
                    111546435UL, 12, 0, 0xFFFFFFFEUL, 987654321UL, 3486784401UL, 0xC0000000UL };
u32 pairs_b[12] = { 0x10000UL, 1200000000UL, 0x300000UL, 0x7FFFFFFEUL, 0x00FF00FFUL,
                    14804790UL, 0, 12, 0x7FFFFFFFUL, 123456789UL, 258280326UL, 0x30000006UL };

s32 ext_a[8] = { 2000000001L, 1000000007L, 65537L, 1071, -65536L, 99991L, -2147483647L, 1234567890L };
s32 ext_b[8] = { 1000000000L, 1000000006L, 4096, 462, -24, -7, 3, -617283945L };

void main(void)
{
    u8 i;
    u32 g;
    s32 x, y, sg;

    for (i = 0; i < 12; i++) {
        g = gcd(pairs_a[i], pairs_b[i]);
        if (i < 6)
            put32(g);
        else
            put16((u16)g);
    }
    put8(max_depth);

    check = 0;
    for (i = 0; i < 12; i++) {
        g = gcd(pairs_a[i], pairs_b[i]);
        mix(gcd(pairs_b[i], pairs_a[i]) == g);
        if (g != 0) {
            mix(pairs_a[i] % g);
            mix(pairs_b[i] % g);
        }
        mix((u32)gcd_signed(-(s32)(pairs_a[i] >> 1), (s32)(pairs_b[i] >> 1)));
    }
    mix(lcm(4, 6));
    mix(lcm(65536UL, 48));
    mix(lcm(9240, 3960));
    mix(lcm(65521UL, 65519UL));
    put16(check);

    check = 0;
    for (i = 0; i < 8; i++) {
        sg = ext_gcd(ext_a[i], ext_b[i], &x, &y);
        mix((u32)sg);
        mix((u32)x);
        mix((u32)y);
        /* The coefficients are small enough for the identity to hold
           without overflow. */
        mix(ext_a[i] * x + ext_b[i] * y == sg);
    }
    /* 65537 and 4096 are coprime: x is 65537's inverse modulo 4096. */
    ext_gcd(65537L, 4096, &x, &y);
    x %= 4096;
    if (x < 0)
        x += 4096;
    put16((u16)x);
    put16(check);
}
