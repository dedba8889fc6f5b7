/* Structs by value: passed to and returned from functions, assigned and
   compared member by member, nested structs and arrays of them, and a
   union read back through the member that was written. */
#include <stdio.h>
#include <stdlib.h>

struct point {
    int x, y;
};

struct rect {
    struct point lo, hi;
    char tag;
};

union cell {
    long whole;
    unsigned char bytes[4];
};

static struct point add(struct point a, struct point b)
{
    struct point r;
    r.x = a.x + b.x;
    r.y = a.y + b.y;
    return r;
}

static struct rect bound(const struct point *p, int n)
{
    struct rect r;
    int i;
    r.lo = r.hi = p[0];
    r.tag = 'A';
    for (i = 1; i < n; i++) {
        if (p[i].x < r.lo.x) r.lo.x = p[i].x;
        if (p[i].y < r.lo.y) r.lo.y = p[i].y;
        if (p[i].x > r.hi.x) r.hi.x = p[i].x;
        if (p[i].y > r.hi.y) r.hi.y = p[i].y;
        r.tag++;
    }
    return r;
}

static long area(struct rect r)
{
    return (long)(r.hi.x - r.lo.x) * (r.hi.y - r.lo.y);
}

static struct point pts[6] = { { 3, -4 }, { -120, 7 }, { 45, 300 }, { 0, 0 }, { 250, -9 }, { -3, 2 } };

int main(void)
{
    struct point sum = { 0, 0 };
    struct rect r, copy;
    union cell c;
    int i;
    for (i = 0; i < 6; i++) {
        sum = add(sum, pts[i]);
        printf("(%d,%d) ", sum.x, sum.y);
    }
    r = bound(pts, 6);
    copy = r;
    copy.hi.x += 10;
    printf("\n%d %d %d %d %c %ld %ld\n", r.lo.x, r.lo.y, r.hi.x, r.hi.y, r.tag, area(r), area(copy));
    if (r.hi.x == copy.hi.x || area(copy) - area(r) != 10L * (r.hi.y - r.lo.y))
        abort();
    c.whole = 0;
    for (i = 0; i < 4; i++)
        c.bytes[i] = (unsigned char)(0x11 * (i + 1));
    printf("%u %u\n", c.bytes[0] + c.bytes[3], (unsigned)(c.whole != 0));
    return r.tag;
}
