// Every compound assignment on signed 32- and 24-bit globals, locals, array elements, struct members and objects reached through pointers, with narrower and wider right operands.
#include "../e2e.h"
#include "../e2e_wide.h"

/* The target's compound assignment to a 24-bit object wraps by itself; the
   host's has to be spelled out with the reduction. */
#ifdef __VxCORE
#define SCOMPOUND24(lv, op, e) ((lv) op##= (e))
#else
#define SCOMPOUND24(lv, op, e) ((lv) = S24((lv) op (e)))
#endif

struct rec { u8 tag; u32 u; s32 s; u24 u24v; s24 s24v; };

s32 gs;
s32 gsarr[3];
struct rec grec;
struct rec grecs[2];

u8 b8 = 0xC3;
s8 n8 = -5;
s16 n16 = -1234;

/* Each place of a kind goes through the same steps from the same start, so
   every place's trail of values must be the same. */
#define SIGNED_STEPS(lv)                                              \
    lv = -123456789L;                                                 \
    lv += 100000000L; mix((u32)lv);                                   \
    lv -= n16; mix((u32)lv);                                          \
    lv *= n8; mix((u32)lv);                                           \
    lv /= -3; mix((u32)lv);                                           \
    lv += b8; mix((u32)lv);                                           \
    lv %= 1000000L; mix((u32)lv);                                     \
    lv -= 2000000000L; mix((u32)lv);                                  \
    lv /= n16; mix((u32)lv);                                          \
    lv *= -1000; mix((u32)lv);                                        \
    lv %= n8; mix((u32)lv);                                           \
    lv -= 70000L; mix((u32)lv);                                       \
    lv &= 0x7FFFFF00L; mix((u32)lv);                                  \
    lv >>= 4; mix((u32)lv);                                           \
    lv <<= 2; mix((u32)lv);                                           \
    lv |= 0x40000001L; mix((u32)lv);                                  \
    lv ^= 0x0F; mix((u32)lv)

#define SIGNED_STEPS24(lv)                                            \
    lv = -1000000L;                                                   \
    SCOMPOUND24(lv, +, 3000); mix((u32)(s32)lv);                       \
    SCOMPOUND24(lv, -, n16); mix((u32)(s32)lv);                        \
    SCOMPOUND24(lv, *, n8); mix((u32)(s32)lv);                         \
    SCOMPOUND24(lv, /, -7); mix((u32)(s32)lv);                         \
    SCOMPOUND24(lv, %, 10000); mix((u32)(s32)lv);                      \
    SCOMPOUND24(lv, -, 8000000L); mix((u32)(s32)lv);                   \
    SCOMPOUND24(lv, /, n16); mix((u32)(s32)lv);                        \
    SCOMPOUND24(lv, *, -1001); mix((u32)(s32)lv)


void main(void)
{
    s32 ls;
    s24 ls24;
    s32 *ps;
    struct rec *pr;
    u8 i = 2;

    check = 0; SIGNED_STEPS(gs); put16(check); put32((u32)gs);
    check = 0; SIGNED_STEPS(ls); put16(check);
    check = 0; SIGNED_STEPS(gsarr[i]); put16(check);
    ps = &gsarr[0];
    check = 0; SIGNED_STEPS(*ps); put16(check);
    pr = &grecs[1];
    check = 0; SIGNED_STEPS(pr->s); put16(check);
    check = 0; SIGNED_STEPS(grec.s); put16(check);

    check = 0; SIGNED_STEPS24(ls24); put16(check); put32((u32)(s32)ls24);
    check = 0; SIGNED_STEPS24(grec.s24v); put16(check);
    check = 0; SIGNED_STEPS24(pr->s24v); put16(check);

    /* Neighbours of the places written must be untouched. */
    put8(grecs[1].tag);
    put32(gsarr[1]);
    put32(grecs[0].s);
    put32(grec.u);
}
