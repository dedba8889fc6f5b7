// A logical right shift of an unsigned value stored into a signed variable of the same width fills with zeros, not with the sign.
#include "../e2e.h"
#include "../e2e_wide.h"

u16 word = 0xFFA7;
u32 dword = 0xFFFFFFA7u;
s8 byte = -89;

void main(void)
{
    s16 w;
    s32 d;

    w = word >> 4; put16(w);
    w = (s16)(word >> 1); put16(w);
    d = dword >> 8; put16((u16)d); put16((u16)(d >> 16));
    d = (u32)byte >> 24; put16((u16)d); put16((u16)(d >> 16));
    d = (s32)(dword >> 1); put8(d > 0);
    put8(w > 0);
}
