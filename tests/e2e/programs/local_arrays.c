// Arrays and structures local to a function, on the software stack: passed by pointer, filled in loops and kept across calls.
#include "../e2e.h"

struct pair {
    u8 a;
    s16 b;
};

void fill(u8 *p, u8 n, u8 start)
{
    u8 i;
    for (i = 0; i < n; i++)
        p[i] = start + i * 3;
}

u16 sum(const u8 *p, u8 n)
{
    u16 s = 0;
    while (n--)
        s += p[n];
    return s;
}

s16 pair_value(const struct pair *p)
{
    return p->a * 10 + p->b;
}

/* Each level has its own local array; the caller's must survive the call. */
u16 nested(u8 depth)
{
    u8 local[4];
    u16 below;
    fill(local, 4, depth * 10);
    below = depth ? nested(depth - 1) : 0;
    return below + sum(local, 4);
}

void main(void)
{
    u8 a[10];
    u16 w[3];
    struct pair pairs[3];
    u8 i;

    fill(a, 10, 250);
    put8(a[0]);
    put8(a[9]);
    put16(sum(a, 10));

    w[0] = 1000;
    w[1] = w[0] * 3;
    w[2] = w[1] + w[0];
    put16(w[2]);

    for (i = 0; i < 3; i++) {
        pairs[i].a = i + 1;
        pairs[i].b = -100 * i;
    }
    pairs[0] = pairs[2];
    for (i = 0; i < 3; i++)
        put16(pair_value(&pairs[i]));

    put16(nested(5));
    put8(a[5]);
}
