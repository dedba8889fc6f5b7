// Structures: member access, nested members, whole-structure assignment, initializers and structures returned through globals.
#include "../e2e.h"

struct point {
    s16 x;
    s16 y;
};

struct rect {
    struct point min;
    struct point max;
    u8 colour;
};

struct rect r1 = { { -10, 20 }, { 30, 400 }, 7 };
struct rect r2;

u16 area(struct rect *r)
{
    return (u16)(r->max.x - r->min.x) * (u16)(r->max.y - r->min.y);
}

void main(void)
{
    struct point p;
    struct rect local;

    put16(r1.min.x);
    put16(r1.max.y);
    put8(r1.colour);
    put16(area(&r1));

    r2 = r1;
    r2.colour++;
    r2.max.x += 5;
    put8(r2.colour);
    put16(r2.max.x);
    put8(r1.colour);
    put16(r1.max.x);

    p = r1.max;
    p.y = -p.y;
    put16(p.x);
    put16(p.y);

    local = r2;
    local.min = p;
    put16(local.min.y);
    put16(local.max.y);
    put16(area(&local));

    /* Assignment is a copy: changing the source afterwards leaves it alone. */
    r2 = local;
    local.colour = 99;
    put8(r2.colour);
    put8(local.colour);
    put16(r2.min.x + r2.max.x);
}
