// 24-bit values in arrays, structs, through pointers and pointer arithmetic, as arguments among other widths and as return values, with increments and compound assignments in place.
#include "../e2e.h"
#include "../e2e_wide.h"

#ifdef __VxCORE
#define INPLACE24(lv, op, e) ((lv) op##= (e))
#define SINPLACE24(lv, op, e) ((lv) op##= (e))
#else
#define INPLACE24(lv, op, e) ((lv) = U24((lv) op (e)))
#define SINPLACE24(lv, op, e) ((lv) = S24((lv) op (e)))
#endif

struct triple { u8 tag; u24 a; s24 b; u24 c[3]; u8 end; };

struct triple items[3];
u24 row[8];
s24 srow[5] = { S24_MIN, -65536L, -1, 65535L, S24_MAX };

u24 sum_row(u24 *p, u8 n)
{
    u24 s = 0;
    while (n--)
        s = U24(s + *p++);
    return s;
}

s24 largest(s24 *p, u8 n)
{
    s24 m = *p;
    while (--n)
        if (*++p > m)
            m = *p;
    return m;
}

/* Three-byte elements: the compiler must scale indices and pointer steps
   by three. */
u8 distance(u24 *a, u24 *b)
{
    return (u8)(b - a);
}

s24 blend(u8 w, s24 x, u16 y, s24 z, s8 k)
{
    return S24(x * w + (s24)y - z * k);
}

struct triple make(u24 a, s24 b)
{
    struct triple t;
    u8 i;
    t.tag = 0x5A;
    t.a = a;
    t.b = b;
    for (i = 0; i < 3; i++)
        t.c[i] = U24(a + i * 0x10000UL);
    t.end = 0xA5;
    return t;
}

void main(void)
{
    u8 i;
    u24 *p;
    s24 *sp;
    struct triple *t;

    for (i = 0; i < 8; i++)
        row[i] = U24(0xFEFF00UL + (u24)i * 0x81UL);
    put32(U24(sum_row(row, 8)));
    put32((u32)(s32)largest(srow, 5));
    put32((u32)(s32)largest(srow, 3));
    put8(distance(&row[1], &row[7]));
    p = row + 2;
    put32(U24(*p));
    put32(U24(p[3]));
    put32(U24(*(p - 1)));

    check = 0;
    for (i = 0; i < 3; i++) {
        items[i] = make(row[i * 2], srow[i]);
        mix(U24(items[i].a));
        mix((u32)(s32)items[i].b);
        mix(U24(items[i].c[2]));
    }
    put16(check);

    /* In-place updates of members and elements, directly and through
       pointers. */
    check = 0;
    t = &items[1];
    INPLACE24(t->a, +, 0x0101UL);
    mix(U24(t->a));
    INPLACE24(t->c[1], -, 0x800000UL);
    mix(U24(t->c[1]));
    INPLACE24(items[2].c[0], <<, 4);
    mix(U24(items[2].c[0]));
    INPLACE24(items[0].a, >>, 3);
    mix(U24(items[0].a));
    SINPLACE24(t->b, *, -3);
    mix((u32)(s32)t->b);
    SINPLACE24(items[2].b, /, 7);
    mix((u32)(s32)items[2].b);
    p = &row[5];
    INPLACE24(*p, ^, 0xFFFFFFUL);
    mix(U24(*p));
    INPLACE24(*p, |, 0x000F00UL);
    mix(U24(row[5]));
    sp = &srow[1];
    SINPLACE24(*sp, +, 1000);
    mix((u32)(s32)srow[1]);
#ifdef __VxCORE
    (*sp)++;
    ++t->a;
    row[0]--;
#else
    *sp = S24(*sp + 1);
    t->a = U24(t->a + 1);
    row[0] = U24(row[0] - 1);
#endif
    mix((u32)(s32)srow[1]);
    mix(U24(items[1].a));
    mix(U24(row[0]));
    put16(check);

    check = 0;
    for (i = 0; i < 5; i++)
        mix((u32)(s32)blend((u8)(i + 1), srow[i] / 16, (u16)(i * 5000), srow[4 - i] / 32, (s8)(i - 2)));
    put16(check);
    for (i = 0; i < 3; i++) {
        put8(items[i].tag);
        put8(items[i].end);
    }
}
