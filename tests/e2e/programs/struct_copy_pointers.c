// Struct assignment through pointers for sizes from 1 to 40 bytes: global to global, global into the frame and the frame back into a global, each source changed after its copy.
#include "../e2e.h"

/* Copies through pointers are unrolled into the widest code of all, so
   only the sizes around the points where that code could change shape. */
#define SIZES(X) \
    X(1) X(2) X(3) X(4) X(5) X(6) X(7) X(8) X(16) X(17) X(31) X(32) X(33) X(40)

#define DECLARE(n) struct s##n { u8 b[n]; };
SIZES(DECLARE)

#define MEMBER(n) struct s##n m##n;
union pool { SIZES(MEMBER) };

union pool pool, pool2;
u16 hash;

void fill(u8 *p, u8 n, u8 seed)
{
    while (n--) {
        seed = (u8)(seed * 5 + 3);
        *p++ = seed;
    }
}

void mix(u8 *p, u8 n)
{
    while (n--)
        hash = (u16)((hash << 1) + (hash >> 15) + *p++);
    hash ^= 0xA5;
}

/* The pointers come in as arguments, so no copy can use the objects'
   addresses directly. */
#define COPY(n)                                                   \
    void copy##n(struct s##n *p, struct s##n *q, u8 seed)        \
    {                                                             \
        struct s##n a;                                            \
        struct s##n *r = &a;                                      \
        fill(q->b, n, seed);                                      \
        *p = *q;                                                  \
        q->b[n - 1] ^= 0xFF;                                      \
        *r = *p;                                                  \
        p->b[0] ^= 0x3C;                                          \
        *q = *r;                                                  \
        a.b[n / 2] ^= 0x33;                                       \
        mix(a.b, n);                                              \
        mix(p->b, n);                                             \
        mix(q->b, n);                                             \
    }
SIZES(COPY)

#define CALL(n) \
    copy##n(&pool.m##n, &pool2.m##n, (u8)(n * 11)); \
    put8((u8)(hash ^ (hash >> 8)));

void main(void)
{
    SIZES(CALL)
    put16(hash);
}
