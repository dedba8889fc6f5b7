// 32- and 24-bit shifts by variable counts 0..31 of several count types, as expressions and as compound assignments, and shift-built masks.
#include "../e2e.h"
#include "../e2e_wide.h"

u32 uvals[4] = { 0x80000001UL, 0xFFFFFFFFUL, 0x12345678UL, 0x00800100UL };
s32 svals[3] = { S32_MAX, 0x12345678L, 1 };
u24 u24vals[2] = { 0x800001UL, 0xA5C3E1UL };
s24 s24vals[2] = { S24_MAX, 0x12345L };

struct counts { u16 wide; s16 swide; u32 longer; } counts;

void main(void)
{
    u8 i, n;
    u32 a, t;
    s32 sa;
    u24 a24;
    s24 sa24;

    a = uvals[2];
    n = 3; put32(a << n);
    n = 17; put32(a << n);
    n = 31; put32(a >> n);
    n = 9; put32(a >> n);
    n = 0; put32(a >> n);

    check = 0;
    for (i = 0; i < 4; i++)
        for (n = 0; n < 32; n++) {
            a = uvals[i];
            mix(a << n);
            mix(a >> n);
            t = a;
            t <<= n;
            mix(t);
            t = a;
            t >>= n;
            mix(t);
        }
    put16(check);

    check = 0;
    for (i = 0; i < 3; i++)
        for (n = 0; n < 31; n++) {
            sa = svals[i];
            mix((u32)(sa >> n));
            if (i == 2)
                mix((u32)(sa << n));
        }
    put16(check);

    /* The count's own type must not matter. */
    check = 0;
    a = uvals[0];
    for (n = 0; n < 32; n++) {
        counts.wide = n;
        counts.swide = n;
        counts.longer = n;
        mix(a << counts.wide);
        mix(a >> counts.swide);
        mix(a >> counts.longer);
        mix(1UL << counts.longer);
        mix((1UL << n) - 1);
        mix((u32)~0UL >> n);
    }
    put16(check);

    check = 0;
    for (i = 0; i < 2; i++)
        for (n = 0; n < 24; n++) {
            a24 = u24vals[i];
            mix(U24(a24 << n));
            mix(a24 >> n);
            a24 <<= n;
            mix(U24(a24));
            sa24 = s24vals[i];
            if (n < 23)
                mix((u32)(s32)(sa24 >> n));
        }
    put16(check);
}
