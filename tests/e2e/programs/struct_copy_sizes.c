// Struct assignment of every size from 1 to 28 bytes: frame to frame, frame to global, global to global and global to frame, with the source changed afterwards to show each copy stands alone.
#include "../e2e.h"

/* The copies are unrolled, so the sizes up to 40 take two programs to
   fit program memory: struct_copy_sizes_wide.c has the rest. */
#ifndef SIZES
#define SIZES(X) \
    X(1) X(2) X(3) X(4) X(5) X(6) X(7) X(8) X(9) X(10) \
    X(11) X(12) X(13) X(14) X(15) X(16) X(17) X(18) X(19) X(20) \
    X(21) X(22) X(23) X(24) X(25) X(26) X(27) X(28)
#endif

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

/* Two frame objects and two globals: every copy goes a different way, and
   each source is changed after its copy, so that a copy that shares or
   misses bytes shows in the hash. */
#define COPY(n)                                                   \
    void copy##n(u8 seed)                                         \
    {                                                             \
        struct s##n a, b;                                         \
        fill(a.b, n, seed);                                       \
        b = a;                                                    \
        a.b[0] ^= 0xFF;                                           \
        pool.m##n = b;                                            \
        b.b[n - 1] ^= 0x0F;                                       \
        pool2.m##n = pool.m##n;                                   \
        pool.m##n.b[0] ^= 0x55;                                   \
        a = pool2.m##n;                                           \
        mix(a.b, n);                                              \
        mix(b.b, n);                                              \
        mix(pool.m##n.b, n);                                      \
    }
SIZES(COPY)

#define CALL(n) \
    copy##n((u8)(n * 11)); \
    put8((u8)(hash ^ (hash >> 8)));

void main(void)
{
    SIZES(CALL)
    put16(hash);
}
