// Mixed signed and unsigned operands: 8-bit ones promote to int; 16-bit ones use explicit casts.
#include "../e2e.h"

u8 ub = 200;
s8 sb = -3;
u16 uw = 65000u;
s16 sw = -300;

void main(void)
{
    s16 r;
    u16 u;
    /* u8 and s8 both promote to int, on the target as on the host. */
    r = ub + sb; put16(r);
    r = sb - ub; put16(r);
    r = ub * sb; put16(r);
    r = ub / sb; put16(r);
    r = ub % sb; put16(r);
    put8(ub > sb);
    put8(sb < ub);
    put8((u8)sb > ub);
    /* A u8 against an s16 is int against int on both sides too. */
    r = ub + sw; put16(r);
    put8(ub > sw);
    put8(sw / ub == -1);
    /* u16 with a signed operand is unsigned on the target only; results that
       are stored back into 16 bits agree. */
    u = uw + sw; put16(u);
    u = uw - sb; put16(u);
    u = uw & sb; put16(u);
    u = uw ^ sw; put16(u);
    /* Comparisons and divisions need one type, so the casts pick it. */
    put8(uw > (u16)sw);
    put8((s16)uw < sw);
    put8((s16)uw / sb);
    u = uw / (u16)sb;
    put16(u);
    /* Sign and zero extension. */
    u = sb; put16(u);
    r = ub; put16(r);
    r = (s8)ub; put16(r);
    u = (u8)sb; put16(u);
}
