// Functions taking 9 to 23 bytes of arguments of mixed widths and signedness (8, 16, 24 and 32 bits, pointers, small structs), called with arguments that are themselves such calls, and reading every argument after changing the others.
#include "../e2e.h"
#include "../e2e_wide.h"

/* No local has an initializer and nothing recurses: frame_wide_args_sco.c
   runs the same with static activation records. */

struct pair { u8 a; s8 b; };

/* 9 bytes. */
u16 nine(u8 a, u16 b, u8 c, u32 d, u8 e)
{
    a ^= e;
    b = (u16)(b + c);
    return (u16)(a + b * 3 + (u16)(d >> 12) + (u16)d + e);
}

/* 13 bytes. */
s32 thirteen(s8 a, s16 b, s24 c, s32 d, u8 e, u16 f)
{
    s32 r;
    r = d - c;
    r += (s32)b * a;
    r ^= (s32)((u32)e << 16);
    return r + f;
}

/* 17 bytes. */
u32 seventeen(u24 a, u24 b, u8 *p, struct pair q, u32 c, u16 d, u8 e)
{
    u32 r;
    p[0] = (u8)(p[0] + q.a);
    p[1] = (u8)(p[1] - q.b);
    r = (u32)a * 3u + b;
    r ^= c;
    r += (u32)d << e;
    return r + p[0] + p[1];
}

/* 23 bytes: eight words and seven bytes, the bytes read last. */
u16 many(u16 w0, u16 w1, u16 w2, u16 w3, u16 w4, u16 w5, u16 w6, u16 w7,
         u8 b0, u8 b1, u8 b2, u8 b3, u8 b4, u8 b5, u8 b6)
{
    u16 r;
    r = (u16)(w0 ^ (w1 << 1) ^ (w2 << 2) ^ (w3 << 3) ^ (w4 >> 1) ^ (w5 >> 2) ^ (w6 >> 3) ^ w7);
    r = (u16)(r + b0 + b1 * 2 + b2 * 3 + b3 * 4 + b4 * 5 + b5 * 6 + b6 * 7);
    return r;
}

u8 cells[2];

void main(void)
{
    struct pair q;
    s32 s;
    u32 u;
    u8 i;
    u16 check;

    put16(nine(1, 2, 3, 0x12345678u, 5));
    put16(nine(0xFF, 0xFFFF, 0xFF, 0xFFFFFFFFu, 0xFF));
    s = thirteen(-7, -1000, -8388607 - 1, 2000000000, 0x81, 65535u);
    put16((u16)s);
    put16((u16)((u32)s >> 16));
    s = thirteen(127, 32767, 8388607, -2000000000, 0, 0);
    put16((u16)s);
    put16((u16)((u32)s >> 16));

    cells[0] = 10;
    cells[1] = 20;
    q.a = 5;
    q.b = -6;
    u = seventeen(0xFFFFFF, 0x800000, cells, q, 0xA5A5A5A5u, 0x1234, 9);
    put16((u16)u);
    put16((u16)(u >> 16));
    put8(cells[0]);
    put8(cells[1]);

    put16(many(1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15));
    put16(many(nine(1, 2, 3, 4, 5), 0xFFFF, (u16)thirteen(1, 2, 3, 4, 5, 6), 0x8000, 0x7FFF,
               (u16)seventeen(1, 2, cells, q, 3, 4, 5), 0, 0x1111, 0xFF, 0x80, 1, 2, 3, 4, 5));
    check = 0;
    for (i = 0; i < 12; i++) {
        q.a = i;
        q.b = (s8)(i - 6);
        check = (u16)(check * 5 +
                      many(check, i, (u16)(check ^ i), 0x100u * i, 7, 8, 9, check, i, (u8)check,
                           (u8)(check >> 8), 4, 5, 6, (u8)seventeen(i, check, cells, q, i, check, (u8)(i & 7))));
        check ^= nine(i, check, (u8)(i * 3), (u32)check << 8, (u8)(i + 100));
    }
    put16(check);
    put8(cells[0]);
    put8(cells[1]);
}
