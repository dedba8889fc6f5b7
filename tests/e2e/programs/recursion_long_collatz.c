// Collatz path lengths and peaks of 32-bit starting values, each call following a stretch of the path and recursing for the rest, on unsigned and negative values.
#include "../e2e.h"
#include "../e2e_wide.h"

/* Every call follows at most 64 steps before it recurses, which keeps the
   longest path here within ten calls of the 128-byte software stack. */
#define STRETCH 64

u32 peak;
u8 depth, max_depth;

u16 path_length(u32 n)
{
    u32 next;
    u8 k;
    u16 rest;
    for (k = 0; k < STRETCH && n != 1; k++) {
        next = n & 1 ? 3 * n + 1 : n >> 1;
        if (next > peak)
            peak = next;
        n = next;
    }
    if (n == 1)
        return k;
    if (++depth > max_depth)
        max_depth = depth;
    rest = path_length(n);
    depth--;
    return k + rest;
}

/* On negative values the map ends in one of the cycles through -1, -5
   and -17; the length counts the steps until the first of them. */
s32 landing;

u16 negative_length(s32 n)
{
    u8 k;
    for (k = 0; k < STRETCH; k++) {
        if (n == -1 || n == -5 || n == -17) {
            landing = n;
            return k;
        }
        n = n & 1 ? 3 * n + 1 : n / 2;
    }
    return k + negative_length(n);
}

u32 starts[12] = { 1, 2, 3, 27, 97, 871, 6171, 77031UL, 837799UL, 100000000UL,
                   1000000001UL, 0x80000000UL };
s32 negative_starts[6] = { -3, -7, -100, -1000, -123456L, -99999999L };

void main(void)
{
    u8 i;
    u16 len;

    for (i = 0; i < 12; i++) {
        peak = starts[i];
        len = path_length(starts[i]);
        put16(len);
        if (i >= 7)
            put32(peak);
    }
    put8(max_depth);
    for (i = 0; i < 6; i++) {
        put16(negative_length(negative_starts[i]));
        put8((u8)landing);
    }
}
