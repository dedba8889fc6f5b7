// 32-bit bit counting, reversal, byte swapping, rotations, leading and trailing zero counts and parity, each by two methods that must agree.
#include "../e2e.h"
#include "../e2e_wide.h"

u8 popcount_loop(u32 x)
{
    u8 n = 0;
    while (x) {
        n += (u8)(x & 1);
        x >>= 1;
    }
    return n;
}

/* Clearing the lowest set bit each round. */
u8 popcount_kernighan(u32 x)
{
    u8 n = 0;
    for (; x; x &= x - 1)
        n++;
    return n;
}

u8 popcount_swar(u32 x)
{
    x = x - ((x >> 1) & 0x55555555UL);
    x = (x & 0x33333333UL) + ((x >> 2) & 0x33333333UL);
    x = (x + (x >> 4)) & 0x0F0F0F0FUL;
    return (u8)((x * 0x01010101UL) >> 24);
}

u32 reverse_loop(u32 x)
{
    u32 r = 0;
    u8 i;
    for (i = 0; i < 32; i++) {
        r = (r << 1) | (x & 1);
        x >>= 1;
    }
    return r;
}

u32 reverse_masks(u32 x)
{
    x = ((x >> 1) & 0x55555555UL) | ((x & 0x55555555UL) << 1);
    x = ((x >> 2) & 0x33333333UL) | ((x & 0x33333333UL) << 2);
    x = ((x >> 4) & 0x0F0F0F0FUL) | ((x & 0x0F0F0F0FUL) << 4);
    x = ((x >> 8) & 0x00FF00FFUL) | ((x & 0x00FF00FFUL) << 8);
    return (x >> 16) | (x << 16);
}

u32 swap_bytes(u32 x)
{
    return (x >> 24) | ((x >> 8) & 0xFF00UL) | ((x << 8) & 0xFF0000UL) | (x << 24);
}

/* The byte swap again, through a union of a long and its bytes. */
union bytes { u32 word; u8 b[4]; };

u32 swap_union(u32 x)
{
    union bytes in, out;
    in.word = x;
    out.b[0] = in.b[3];
    out.b[1] = in.b[2];
    out.b[2] = in.b[1];
    out.b[3] = in.b[0];
    return out.word;
}

u32 rotl(u32 x, u8 n)
{
    n &= 31;
    return n ? (x << n) | (x >> (32 - n)) : x;
}

u8 clz(u32 x)
{
    u8 n = 0;
    if (x == 0)
        return 32;
    if (!(x & 0xFFFF0000UL)) { n += 16; x <<= 16; }
    if (!(x & 0xFF000000UL)) { n += 8; x <<= 8; }
    if (!(x & 0xF0000000UL)) { n += 4; x <<= 4; }
    if (!(x & 0xC0000000UL)) { n += 2; x <<= 2; }
    if (!(x & 0x80000000UL)) n += 1;
    return n;
}

u8 clz_loop(u32 x)
{
    u8 n = 0;
    while (n < 32 && !(x & 0x80000000UL)) {
        x <<= 1;
        n++;
    }
    return n;
}

u8 ctz(u32 x)
{
    /* The lowest set bit alone, then its position. */
    return x ? (u8)(31 - clz(x & -x)) : 32;
}

u8 parity(u32 x)
{
    x ^= x >> 16;
    x ^= x >> 8;
    x ^= x >> 4;
    x ^= x >> 2;
    x ^= x >> 1;
    return (u8)(x & 1);
}

u32 values[12] = { 0, 1, 0x80000000UL, 0xFFFFFFFFUL, 0x12345678UL, 0xF0F0F0F0UL, 0x00010000UL,
                   0x000000FFUL, 0x7FFFFFFFUL, 0xDEADBEEFUL, 0x00800000UL, 0x55AA00FFUL };

void main(void)
{
    u8 i, agree;
    u32 x;

    x = values[4];
    put32(reverse_masks(x));
    put32(swap_bytes(x));
    put32(rotl(x, 4));
    put32(rotl(x, 28));
    put8(popcount_swar(values[9]));
    put8(clz(values[10]));
    put8(ctz(values[10]));
    put8(parity(values[9]));

    check = 0;
    agree = 0;
    for (i = 0; i < 12; i++) {
        x = values[i];
        agree += popcount_loop(x) == popcount_swar(x);
        agree += popcount_kernighan(x) == popcount_swar(x);
        agree += reverse_loop(x) == reverse_masks(x);
        agree += reverse_masks(reverse_masks(x)) == x;
        agree += swap_bytes(x) == swap_union(x);
        agree += clz(x) == clz_loop(x);
        agree += ctz(x) == clz(reverse_masks(x));
        agree += parity(x) == (popcount_loop(x) & 1);
        mix(popcount_swar(x) | (u32)clz(x) << 8 | (u32)ctz(x) << 16 | (u32)parity(x) << 24);
        mix(reverse_masks(x));
        mix(swap_bytes(x));
        mix(rotl(x, i * 3));
        mix(rotl(x, 32 - i));
    }
    put8(agree);
    put16(check);

    /* Sums over a stream of values cover more bit patterns. */
    check = 0;
    agree = 0;
    x = 0x9E3779B9UL;
    for (i = 0; i < 64; i++) {
        x = x * 69069UL + 1;
        agree += popcount_loop(x) == popcount_kernighan(x);
        agree += reverse_loop(x) == reverse_masks(x);
        agree += clz(x >> (i & 31)) == clz_loop(x >> (i & 31));
        mix(popcount_swar(x));
        mix(reverse_masks(x) ^ swap_union(x));
    }
    put8(agree);
    put16(check);
}
