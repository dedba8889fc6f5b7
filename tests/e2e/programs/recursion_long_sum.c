// Divide-and-conquer recursion over 32-bit ranges and recursive powers, with long parameters and long locals live across the calls.
#include "../e2e.h"
#include "../e2e_wide.h"

/* The target's software stack has 128 bytes and these frames hold several
   longs each, so every recursion here splits its problem and stays within
   six or seven calls. */
u8 depth, max_depth;
u16 calls;

void enter(void)
{
    calls++;
    if (++depth > max_depth)
        max_depth = depth;
}

/* The sum of lo..hi-1, each term passed through f. */
u32 range_sum(u32 lo, u32 hi, u8 f)
{
    u32 mid, left, right;
    enter();
    if (hi - lo <= 32) {
        for (left = 0; lo != hi; lo++)
            left += f == 0 ? lo : f == 1 ? lo * lo : lo * lo * lo;
        depth--;
        return left;
    }
    mid = lo + (hi - lo) / 2;
    left = range_sum(lo, mid, f);
    right = range_sum(mid, hi, f);
    depth--;
    return left + right;
}

/* The smallest and largest element of a signed table, both through the
   recursion's results. */
s32 values[32];

s32 range_max(u8 lo, u8 hi)
{
    s32 a, b;
    u8 mid;
    if (hi - lo == 1)
        return values[lo];
    mid = (u8)((lo + hi) / 2);
    a = range_max(lo, mid);
    b = range_max(mid, hi);
    return a > b ? a : b;
}

s32 range_min_sum(u8 lo, u8 hi, s32 *sum)
{
    s32 a, b, s1, s2;
    u8 mid;
    if (hi - lo <= 4) {
        for (a = values[lo], *sum = 0; lo < hi; lo++) {
            *sum += values[lo];
            if (values[lo] < a)
                a = values[lo];
        }
        return a;
    }
    mid = (u8)((lo + hi) / 2);
    a = range_min_sum(lo, mid, &s1);
    b = range_min_sum(mid, hi, &s2);
    *sum = s1 + s2;
    return a < b ? a : b;
}

u32 power(u32 base, u8 e)
{
    u32 half;
    enter();
    if (e == 0) {
        depth--;
        return 1;
    }
    half = power(base, e / 2);
    half *= half;
    if (e & 1)
        half *= base;
    depth--;
    return half;
}

s32 signed_power(s32 base, u8 e)
{
    s32 half;
    if (e == 0)
        return 1;
    half = signed_power(base, e / 2);
    if (e & 1)
        return half * half * base;
    return half * half;
}

/* Modular power with a modulus below 2^16, so that products fit 32 bits;
   the exponent, below 2^16, goes four bits per call. */
u32 power_mod(u32 base, u32 e, u32 m)
{
    u32 r;
    u8 k;
    if (e == 0)
        return 1 % m;
    r = power_mod(base, e >> 4, m);
    for (k = 0; k < 4; k++)
        r = r * r % m;
    for (k = (u8)(e & 15); k; k--)
        r = r * (base % m) % m;
    return r;
}

u24 power24(u24 base, u8 e)
{
    u24 half;
    if (e == 0)
        return 1;
    half = power24(base, e / 2);
    half = U24(half * half);
    if (e & 1)
        half = U24(half * base);
    return half;
}

s32 bases[5] = { -3, 3, -2, 7, -10 };
u8 exps[5] = { 19, 19, 31, 11, 9 };

void main(void)
{
    u8 i;
    s32 s, lo;

    put32(range_sum(0, 256, 0));
    put32(range_sum(0x7FFFFF80UL, 0x80000080UL, 0));
    put32(range_sum(1, 201, 1));
    put32(range_sum(0xFFFF0000UL, 0xFFFF0080UL, 2));
    put8(max_depth);
    put16(calls);

    for (i = 0; i < 32; i++)
        values[i] = (s32)((u32)(i * 37 + 11) * 0x9E3779B1UL) / 8;
    lo = range_min_sum(0, 32, &s);
    put32((u32)range_max(0, 32));
    put32((u32)lo);
    put32((u32)s);

    check = 0;
    max_depth = 0;
    for (i = 0; i < 32; i++) {
        mix(power(3, i));
        mix(power(0xFFFFFFFFUL, i));
        mix(power(0x10001UL, i));
    }
    for (i = 0; i < 5; i++)
        mix((u32)signed_power(bases[i], exps[i]));
    mix(power_mod(2, 0xFFFFUL, 65521UL));
    mix(power_mod(0x12345678UL, 65520UL, 65521UL));
    mix(power_mod(7, 40007UL, 65519UL));
    mix(power_mod(5, 0, 1));
    for (i = 0; i < 24; i += 5)
        mix(U24(power24(0x10203UL, i)));
    put16(check);
    put8(max_depth);
    put32((u32)signed_power(-2, 31));
}
