// Every compound assignment on unsigned 32- and 24-bit globals, locals, array elements, struct members and objects reached through pointers, with narrower and wider right operands.
#include "../e2e.h"
#include "../e2e_wide.h"

/* The target's compound assignment to a 24-bit object wraps by itself; the
   host's has to be spelled out with the reduction. */
#ifdef __VxCORE
#define COMPOUND24(lv, op, e) ((lv) op##= (e))
#else
#define COMPOUND24(lv, op, e) ((lv) = U24((lv) op (e)))
#endif

struct rec { u8 tag; u32 u; s32 s; u24 u24v; s24 s24v; };

u32 gu;
u24 gu24;
u32 garr[4];
struct rec grec;
struct rec grecs[2];

u8 b8 = 0xC3;
s8 n8 = -5;
u16 w16 = 0x8001u;

/* Each place of a kind goes through the same steps from the same start, so
   every place's trail of values must be the same. */
#define UNSIGNED_STEPS(lv)                                            \
    lv = 0x89ABCDEFUL;                                                \
    lv += 0x01FF01FFUL; mix(lv);                                      \
    lv -= 0xFFFFFFF0UL; mix(lv);                                      \
    lv += b8; mix(lv);                                                \
    lv -= w16; mix(lv);                                               \
    lv += n8; mix(lv);                                                \
    lv *= 3; mix(lv);                                                 \
    lv *= w16; mix(lv);                                               \
    lv /= 7; mix(lv);                                                 \
    lv /= b8; mix(lv);                                                \
    lv %= 0x10001UL; mix(lv);                                         \
    lv <<= 13; mix(lv);                                               \
    lv >>= 3; mix(lv);                                                \
    lv |= 0x80000001UL; mix(lv);                                      \
    lv &= 0xF0F0F0F0UL; mix(lv);                                      \
    lv ^= 0x55AA55AAUL; mix(lv);                                      \
    lv ^= b8; mix(lv);                                                \
    lv >>= b8 & 15; mix(lv);                                          \
    lv %= w16; mix(lv)

#define STEPS24(lv)                                                   \
    lv = 0xABCDEFUL;                                                  \
    COMPOUND24(lv, +, 0x654321UL); mix(lv);                           \
    COMPOUND24(lv, -, w16); mix(lv);                                  \
    COMPOUND24(lv, *, 5); mix(lv);                                    \
    COMPOUND24(lv, /, b8); mix(lv);                                   \
    COMPOUND24(lv, <<, 7); mix(lv);                                   \
    COMPOUND24(lv, %, 0x7FFFUL); mix(lv);                             \
    COMPOUND24(lv, |, 0x800000UL); mix(lv);                           \
    COMPOUND24(lv, >>, 2); mix(lv);                                   \
    COMPOUND24(lv, ^, 0xFFFFFFUL); mix(lv);                           \
    COMPOUND24(lv, &, 0x0F0FF0UL); mix(lv)

void main(void)
{
    u32 lu;
    u24 lu24;
    u32 *pu;
    struct rec *pr;
    u8 i = 2;

    check = 0; UNSIGNED_STEPS(gu); put16(check); put32(gu);
    check = 0; UNSIGNED_STEPS(lu); put16(check);
    check = 0; UNSIGNED_STEPS(garr[i]); put16(check);
    check = 0; UNSIGNED_STEPS(grec.u); put16(check);
    pu = &garr[3];
    check = 0; UNSIGNED_STEPS(*pu); put16(check);
    pr = &grecs[1];
    check = 0; UNSIGNED_STEPS(pr->u); put16(check);

    check = 0; STEPS24(gu24); put16(check); put32(gu24);
    check = 0; STEPS24(lu24); put16(check);
    check = 0; STEPS24(pr->u24v); put16(check);

    /* Neighbours of the places written must be untouched. */
    put8(grecs[1].tag);
    put8(grecs[0].tag);
    put32(grecs[0].u);
    put32(garr[1]);
    put32(grec.s);
}
