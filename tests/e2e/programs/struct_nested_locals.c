// Nested structs with arrays inside, arrays of structs inside structs, and initialized locals (whole, partly and nested initializers, arrays of initialized structs) in the frame: reached by chains of members, indexes and pointers to inner members, and changed without touching their neighbours.
#include "../e2e.h"

struct point { s8 x, y; };
struct segment { struct point from, to; u8 colour; };
struct shape {
    u8 id;
    struct segment edges[3];
    u16 area;
    char name[4];
};
struct scene {
    struct shape shapes[2];
    struct point origin;
    u8 counts[3];
};

struct scene world;

s16 length2(struct segment *s)
{
    s16 dx = (s16)(s->to.x - s->from.x);
    s16 dy = (s16)(s->to.y - s->from.y);
    return (s16)(dx * dx + dy * dy);
}

void shift(struct point *p, s8 dx, s8 dy)
{
    p->x = (s8)(p->x + dx);
    p->y = (s8)(p->y + dy);
}

u16 shape_digest(struct shape *s)
{
    u8 i;
    u16 h = s->id;
    for (i = 0; i < 3; i++)
        h = (u16)(h * 5 + (u16)length2(&s->edges[i]) + s->edges[i].colour);
    for (i = 0; i < 4 && s->name[i]; i++)
        h = (u16)(h * 3 + (u8)s->name[i]);
    return (u16)(h ^ s->area);
}

u16 build(u8 seed)
{
    struct segment base = { { 1, 2 }, { -3, 4 }, 9 };
    struct point corners[4] = { { 0, 0 }, { 10, -10 }, { -5, 6 } };
    struct shape local = { 7, { { { 1, 1 }, { 4, 5 }, 1 } }, 300, "abc" };
    u8 i;
    u16 h;

    local.edges[1] = base;
    local.edges[2].from = corners[(u8)(seed % 3)];
    local.edges[2].to = corners[(u8)(seed + 1) % 4];
    local.edges[2].colour = seed;
    shift(&local.edges[2].to, (s8)seed, -1);
    h = shape_digest(&local);
    for (i = 0; i < 4; i++)
        h = (u16)(h + corners[i].y * 7 + corners[i].x);
    world.shapes[seed & 1] = local;
    return h;
}

void main(void)
{
    struct scene *w = &world;
    struct point *p;
    u8 i, j;
    u16 check;

    check = 0;
    for (i = 0; i < 6; i++)
        check = (u16)(check * 9 + build(i));
    put16(check);
    put16(shape_digest(&w->shapes[0]));
    put16(shape_digest(&world.shapes[1]));
    put8((u8)world.shapes[1].edges[2].to.x);
    put8((u8)w->shapes[0].edges[0].to.y);
    put8((u8)world.shapes[0].name[2]);
    put8((u8)world.shapes[0].name[3]);

    w->origin.x = -7;
    w->origin.y = 3;
    for (i = 0; i < 2; i++)
        for (j = 0; j < 3; j++) {
            p = &w->shapes[i].edges[j].from;
            shift(p, w->origin.x, w->origin.y);
            if (length2(&w->shapes[i].edges[j]) > 50)
                w->counts[j]++;
        }
    for (j = 0; j < 3; j++)
        put8(world.counts[j]);
    put16(shape_digest(&world.shapes[0]) ^ shape_digest(&world.shapes[1]));
    put8(world.shapes[1].id);
    put16(world.shapes[0].area);
    put8((u8)w->origin.x);

    world.shapes[0].edges[1].to = world.shapes[1].edges[0].from;
    world.shapes[1].edges[0].from.x = 99;
    put8((u8)world.shapes[0].edges[1].to.x);
    put8(world.shapes[0].edges[1].colour);
}
