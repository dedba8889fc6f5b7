// Structs of 1, 2, 3, 4, 7, 16 and 24 bytes passed and returned by value: mixed with scalar arguments before and after them, results fed straight into other calls and member accesses, callee changes kept from the caller, and copies returned from tables.
#include "../e2e.h"
#include "../e2e_wide.h"

struct one { u8 v; };
struct two { s16 v; };
struct three { u8 tag; u16 v; };
struct four { u32 v; };
struct seven { u8 a; s16 b; u32 c; };
struct sixteen { u16 w[8]; };
struct big { u8 id; u8 bytes[21]; u16 sum; };

struct one inc1(struct one x) { x.v++; return x; }
struct two neg2(u8 pad, struct two x, u8 pad2) { x.v = (s16)(-x.v + pad - pad2); return x; }
struct three make3(u8 tag, u16 v) { struct three t; t.tag = tag; t.v = v; return t; }
struct four shl4(struct four x, u8 n) { x.v <<= n; return x; }

struct seven combine(struct one a, struct two b, struct three c, struct four d)
{
    struct seven s;
    s.a = (u8)(a.v ^ c.tag);
    s.b = (s16)(b.v + (s16)(c.v & 0x7FFF));
    s.c = d.v + a.v;
    return s;
}

u16 digest7(struct seven s)
{
    return (u16)(s.a + (u16)s.b * 3u + (u16)s.c + (u16)(s.c >> 16) * 5u);
}

struct sixteen ramp(u16 start, u16 step)
{
    struct sixteen r;
    u8 i;
    for (i = 0; i < 8; i++) {
        r.w[i] = start;
        start = (u16)(start + step);
    }
    return r;
}

struct sixteen reverse16(struct sixteen x)
{
    struct sixteen r;
    u8 i;
    for (i = 0; i < 8; i++)
        r.w[i] = x.w[7 - i];
    x.w[0] = 0xDEAD;
    return r;
}

struct big fill_big(u8 id, struct sixteen pattern)
{
    struct big b;
    u8 i;
    b.id = id;
    b.sum = 0;
    for (i = 0; i < 21; i++) {
        b.bytes[i] = (u8)(pattern.w[i & 7] >> (i & 3));
        b.sum = (u16)(b.sum + b.bytes[i]);
    }
    return b;
}

/* Changes its own copy only. */
u16 scramble(struct big b, u8 key)
{
    u8 i;
    u16 h = b.id;
    for (i = 0; i < 21; i++) {
        b.bytes[i] ^= key;
        h = (u16)(h * 7 + b.bytes[i]);
    }
    return (u16)(h ^ b.sum);
}

/* Kept out of main's frame: the software stack has to hold the
   temporaries and argument copies of the nested calls too. */
struct sixteen r, r2;
struct big b;

struct three table[3] = { { 1, 100 }, { 2, 40000u }, { 3, 7 } };

struct three pick(u8 i) { return table[i % 3]; }

void main(void)
{
    struct one o;
    struct two t;
    struct three th;
    struct four f;
    struct seven s;
    u8 i;
    u16 check;

    o.v = 254;
    o = inc1(inc1(o));
    put8(o.v);
    o = inc1(o);
    put8(o.v);
    t.v = 1234;
    t = neg2(3, t, 1);
    put16((u16)t.v);
    t = neg2(0, neg2(5, t, 0), 0);
    put16((u16)t.v);
    th = make3(9, 0xBEEF);
    put8(th.tag);
    put16(th.v);
    f.v = 0x00012345;
    f = shl4(f, 4);
    put16((u16)(f.v >> 8));
    f = shl4(shl4(f, 4), 8);
    put16((u16)(f.v >> 16));

    s = combine(o, t, th, f);
    put8(s.a);
    put16((u16)s.b);
    put16(digest7(s));
    put16(digest7(combine(inc1(o), neg2(1, t, 2), make3(0x55, 3), shl4(f, 1))));

    r = ramp(1000, 333);
    r2 = reverse16(r);
    put16(r.w[0]);
    put16(r2.w[0]);
    put16(r2.w[7]);
    put16(reverse16(reverse16(r)).w[3]);
    b = fill_big(42, r2);
    put8(b.bytes[20]);
    put16(b.sum);
    check = scramble(b, 0x5A);
    put16(check);
    put8(b.bytes[0]);
    put16(scramble(fill_big(7, ramp(5, 65535u)), 0));

    check = 0;
    for (i = 0; i < 7; i++) {
        th = pick(i);
        check = (u16)(check * 3 + th.tag + th.v);
    }
    put16(check);
    th = pick(4);
    put16(th.v);
}
