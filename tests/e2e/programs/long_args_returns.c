// 32- and 24-bit values as arguments among narrower ones, as return values, in arrays and structs passed by value and by pointer, and through out-parameters.
#include "../e2e.h"
#include "../e2e_wide.h"

struct span { u32 start; u16 length; s32 delta; u8 flags; };
struct acc { s32 total; u24 count; u32 bits; };

u32 table[6] = { 0x11223344UL, 0xFFFFFFFFUL, 0, 0x80000000UL, 0x00FF00FFUL, 0x7FFFFFFFUL };
struct span spans[3] = { { 0x10000UL, 300, -70000L, 1 },
                         { 0xFFFFFF00UL, 0xFFFFu, 123456L, 2 },
                         { 0, 1, S32_MIN + 5000, 0x80 } };

/* Arguments of mixed widths: each must arrive in its own place. */
u32 mixed_args(u8 a, u32 b, s16 c, s32 d, u24 e, s8 f, u32 g)
{
    mix(a);
    mix(b);
    mix((u32)(s32)c);
    mix((u32)d);
    mix(U24(e));
    mix((u32)(s32)f);
    mix(g);
    return b ^ g ^ (u32)d;
}

s32 four_longs(s32 a, s32 b, s32 c, s32 d)
{
    return (a - b) + (c - d);
}

u32 end_of(struct span s)
{
    return s.start + s.length;
}

struct span shifted(struct span s, s32 by)
{
    s.delta += by;
    s.start += (u32)by;
    s.flags |= 0x40;
    return s;
}

struct acc add_to(struct acc a, u32 v)
{
    a.total += (s32)(v & 0xFFFF);
    a.count++;
    a.bits ^= v;
    return a;
}

void split(u32 v, u16 *high, u16 *low, u32 *swapped)
{
    *high = (u16)(v >> 16);
    *low = (u16)v;
    *swapped = (v << 16) | (v >> 16);
}

u32 sum_table(u32 *p, u8 n)
{
    u32 s = 0;
    while (n--)
        s += *p++;
    return s;
}

u32 max_of(u32 *p, u8 n)
{
    u32 m = *p;
    u8 i;
    for (i = 1; i < n; i++)
        if (p[i] > m)
            m = p[i];
    return m;
}

s32 negate(s32 v) { return -v; }
/* The host's u24 holds all 32 bits that low24 is given; U24 drops the
   high byte where the target's return does. */
u24 low24(u32 v) { return v; }
u32 via24(u24 v) { return v; }

void main(void)
{
    u8 i;
    u16 high, low;
    u32 swapped;
    struct span s;
    struct acc a = { -5, 0, 0 };
    u32 local[4];
    s32 sl;

    check = 0;
    swapped = mixed_args(0xA5, table[0], -2, -100000L, 0xFEDCBAUL, -7, table[4]);
    put16(check);
    put32(swapped);
    sl = four_longs(S32_MAX, 1, -2147483640L, 5);
    put32((u32)sl);

    check = 0;
    for (i = 0; i < 3; i++) {
        mix(end_of(spans[i]));
        s = shifted(spans[i], -1000);
        mix(s.start);
        mix((u32)s.delta);
        mix(s.length);
        mix(s.flags);
        mix(end_of(shifted(s, 2000)));
    }
    put16(check);
    put32(spans[1].start);
    put32((u32)spans[1].delta);

    for (i = 0; i < 6; i++)
        a = add_to(a, table[i]);
    put32((u32)a.total);
    put32(U24(a.count));
    put32(a.bits);

    split(table[0], &high, &low, &swapped);
    put16(high);
    put16(low);
    put32(swapped);
    put32(sum_table(table, 6));
    put32(max_of(table, 6));

    for (i = 0; i < 4; i++)
        local[i] = table[i + 1] - table[i];
    check = 0;
    mix(sum_table(local, 4));
    mix(max_of(local, 4));
    mix((u32)negate(negate((s32)table[0])));
    mix(via24(U24(low24(table[0]))));
    mix(via24(U24(low24(table[3] - 1))));
    mix((u32)four_longs(negate(1), (s32)U24(low24(table[1])), (s32)table[4], (s32)via24(0x800000UL)));
    put16(check);
}
