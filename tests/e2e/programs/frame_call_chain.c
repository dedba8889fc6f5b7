// A call chain eight levels deep in which every level keeps locals of 8, 16, 24 and 32 bits and an array live across its call to the next, passes arguments of mixed widths down and gets a result back, so a frame clobbered by a deeper one shows.
#include "../e2e.h"
#include "../e2e_wide.h"

/* No local has an initializer and no function calls itself, so the
   program means the same with static locals and static activation
   records (frame_call_chain_sco.c, frame_call_chain_scs.c). */

u16 trail;

void note(u8 level, u16 v)
{
    trail = (u16)(((u16)(trail << 3) | (trail >> 13)) ^ v ^ level);
}

u16 level8(u8 a, s16 b)
{
    u8 k;
    u16 r;
    r = (u16)b;
    for (k = 0; k < a; k++)
        r = (u16)(r * 3 + k);
    note(8, r);
    return r;
}

u16 level7(s8 a, u16 b, u8 c)
{
    u8 keep[3];
    u16 w;
    keep[0] = (u8)a;
    keep[1] = c;
    keep[2] = (u8)(b >> 8);
    w = level8((u8)(c & 7), (s16)(a * 100));
    note(7, w);
    return (u16)(w + keep[0] + keep[1] * 2 + keep[2] * 3 + b);
}

u32 level6(u32 a, u8 b)
{
    u32 acc;
    u8 i;
    acc = a;
    for (i = 0; i < 2; i++)
        acc += level7((s8)(b - 50 * i), (u16)acc, (u8)(b + i));
    note(6, (u16)acc);
    return acc ^ a;
}

u24 level5(u24 a, u16 b, s8 c)
{
    u24 t;
    s16 s;
    u32 l;
    t = (u24)(a + b);
    s = (s16)(c * 3);
    l = level6((u32)t << 4, (u8)c);
    note(5, (u16)l);
    return (u24)((t ^ (u24)l ^ (u24)(u16)s) & 0xFFFFFFu);
}

s16 level4(u8 a, u8 b, u16 c, u16 d)
{
    u8 bytes[4];
    u24 mid;
    s16 r;
    bytes[0] = a;
    bytes[1] = b;
    bytes[2] = (u8)c;
    bytes[3] = (u8)(d >> 8);
    mid = level5((u24)((u32)c << 8 | a), d, (s8)b);
    r = (s16)(u16)mid;
    note(4, (u16)r);
    return (s16)(r ^ (s16)(bytes[0] + bytes[1] + bytes[2] + bytes[3]));
}

u8 level3(u16 a, s16 b)
{
    s16 x, y;
    u8 z;
    x = (s16)(b / 3);
    y = level4((u8)a, (u8)(a >> 8), (u16)x, (u16)(a ^ 0x5A5A));
    z = (u8)(x + y);
    note(3, (u16)y);
    return (u8)(z ^ (u8)(a >> 3));
}

u32 level2(u8 n, u32 seed)
{
    u32 acc;
    u16 parts[2];
    u8 i;
    acc = seed;
    for (i = 0; i < n; i++) {
        parts[0] = (u16)acc;
        parts[1] = (u16)(acc >> 16);
        acc = (acc << 5) + level3(parts[0], (s16)(parts[1] & 0x3FFF)) + parts[1];
    }
    note(2, (u16)(acc >> 8));
    return acc;
}

u16 level1(u8 rounds)
{
    u32 r;
    u16 folded;
    r = level2(rounds, 0x13579BDFu);
    folded = (u16)(r ^ (r >> 16));
    note(1, folded);
    return folded;
}

void main(void)
{
    u8 i;
    u16 v;
    for (i = 1; i <= 5; i++) {
        v = level1(i);
        put16(v);
    }
    put16(trail);
    put16(level7(-5, 1000, 6));
    put16((u16)level4(1, 2, 3, 4));
    put8(level3(0xFFFF, -32767));
    put16(trail);
}
