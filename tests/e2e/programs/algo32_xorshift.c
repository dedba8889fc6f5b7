// 32-bit pseudo-random generators: xorshift with three shift triples, a linear congruential generator and a multiply-xorshift mixer, their streams, bucket counts and bounded draws.
#include "../e2e.h"
#include "../e2e_wide.h"

u32 state;

u32 xorshift(void)
{
    u32 x = state;
    x ^= x << 13;
    x ^= x >> 17;
    x ^= x << 5;
    state = x;
    return x;
}

u32 xorshift_triple(u32 x, u8 a, u8 b, u8 c)
{
    x ^= x << a;
    x ^= x >> b;
    x ^= x << c;
    return x;
}

u32 lcg(u32 *s)
{
    *s = *s * 1664525UL + 1013904223UL;
    return *s;
}

/* A finalizer that spreads every input bit over the whole word. */
u32 mixer(u32 h)
{
    h ^= h >> 16;
    h *= 0x85EBCA6BUL;
    h ^= h >> 13;
    h *= 0xC2B2AE35UL;
    h ^= h >> 16;
    return h;
}

u8 triples[3][3] = { { 13, 17, 5 }, { 1, 3, 10 }, { 7, 25, 12 } };

void main(void)
{
    u16 i;
    u8 t, buckets[8];
    u32 x, s, v, low, high;

    state = 2463534242UL;
    put32(xorshift());
    put32(xorshift());
    for (i = 2; i < 1000; i++)
        xorshift();
    put32(state);

    check = 0;
    for (t = 0; t < 3; t++) {
        x = 1;
        for (i = 0; i < 200; i++) {
            x = xorshift_triple(x, triples[t][0], triples[t][1], triples[t][2]);
            mix(x);
        }
        put32(x);
    }
    put16(check);

    s = 0;
    for (i = 0; i < 500; i++)
        lcg(&s);
    put32(s);
    s = 0xFFFFFFFFUL;
    put32(lcg(&s));

    /* Top three bits of the stream fill eight buckets about evenly; the
       counts and the range of the values drawn go into the result. */
    for (t = 0; t < 8; t++)
        buckets[t] = 0;
    state = 88172645UL;
    low = 0xFFFFFFFFUL;
    high = 0;
    for (i = 0; i < 240; i++) {
        v = xorshift();
        buckets[(u8)(v >> 29)]++;
        if (v < low)
            low = v;
        if (v > high)
            high = v;
    }
    for (t = 0; t < 8; t++)
        put8(buckets[t]);
    put32(low);
    put32(high);

    check = 0;
    for (i = 0; i < 64; i++) {
        v = mixer(i);
        mix(v);
        /* Bounded draws by remainder and by the high half of a product. */
        mix(v % 1000);
        mix((v >> 16) * 6 >> 16);
    }
    put16(check);
    put32(mixer(0xDEADBEEFUL));
    put32(mixer(0));
}
