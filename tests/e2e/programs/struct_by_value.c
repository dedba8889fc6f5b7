// Structs passed and returned by value, automatic structs and arrays initialized from their images, and results used as arguments.
#include "../e2e.h"

struct point { s16 x, y; u8 tag; };
struct wide { u8 bytes[9]; };

struct point make(s16 x, s16 y, u8 tag)
{
    struct point p;
    p.x = x;
    p.y = y;
    p.tag = tag;
    return p;
}

struct point add(struct point a, struct point b)
{
    struct point r;
    r.x = a.x + b.x;
    r.y = a.y + b.y;
    r.tag = (u8)(a.tag ^ b.tag);
    return r;
}

struct wide fill(u8 start)
{
    struct wide w;
    u8 i;
    for (i = 0; i < 9; i++)
        w.bytes[i] = (u8)(start + i * 3);
    return w;
}

u8 checksum(struct wide w)
{
    u8 i, sum = 0;
    for (i = 0; i < 9; i++)
        sum = (u8)(sum * 3 + w.bytes[i]);
    return sum;
}

void main(void)
{
    struct point origin = { -3, 7, 0x5A };
    char word[6] = "hello";
    struct point sum;
    struct wide w;

    sum = add(make(100, -200, 0x0F), origin);
    put16((u16)sum.x);
    put16((u16)sum.y);
    put8(sum.tag);
    sum = add(add(origin, origin), make(1, 2, 3));
    put16((u16)sum.x);
    put16((u16)sum.y);
    put8(sum.tag);
    put16((u16)make(40, 50, 60).y);
    w = fill(11);
    put8(w.bytes[0]);
    put8(w.bytes[8]);
    put8(checksum(w));
    put8(checksum(fill(200)));
    put8((u8)word[0]);
    put8((u8)word[4]);
    put8((u8)word[5]);
}
