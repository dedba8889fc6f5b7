// 32- and 24-bit multiplication: unsigned wrapping products, signed products near the limits, widening 16x16 products, constant factors.
#include "../e2e.h"
#include "../e2e_wide.h"

u32 ufac[10] = { 0, 1, 2, 0xFFUL, 0x100UL, 0xFFFFUL, 0x10001UL, 0x01010101UL,
                 0x80000000UL, 0xFFFFFFFFUL };
/* No product of two of these leaves -2^31..2^31-1. */
s32 sfac[10] = { -46340L, -32768L, -257, -1, 0, 1, 255, 256, 40000L, 46340L };
/* Pairs of a large and a small factor whose products just fit. */
s32 big[7] = { S32_MAX, -2147483647L, 1073741823L, -1073741824L, 0x12345L, S32_MIN, 715827882L };
s32 small[7] = { -1, 1, 2, 2, -0x6789L, 1, -3 };
u16 w16[6] = { 0, 1, 0xFFu, 0x100u, 0x8000u, 0xFFFFu };
s16 sw16[6] = { -32767 - 1, -32767, -1, 0, 181, 32767 };
u24 u24fac[6] = { 0, 1, 0xFF, 0x1000UL, 0x7FFFFFUL, 0xFFFFFFUL };
s24 s24fac[6] = { -2896, -1, 0, 1, 7, 2896 };

void main(void)
{
    u8 i, j;
    u32 a, b;
    s32 sa;
    u24 a24;
    s24 sa24;

    a = ufac[9]; b = ufac[9]; put32(a * b);
    a = ufac[5]; b = ufac[5]; put32(a * b);
    a = ufac[7]; b = ufac[3]; put32(a * b);
    sa = sfac[0]; put32((u32)(sa * sfac[9]));
    sa = big[5]; put32((u32)(sa * small[5]));

    check = 0;
    for (i = 0; i < 10; i++)
        for (j = 0; j < 10; j++) {
            a = ufac[i];
            b = ufac[j];
            mix(a * b);
            b *= a;
            mix(b);
            sa = sfac[i];
            mix((u32)(sa * sfac[j]));
        }
    for (i = 0; i < 7; i++) {
        sa = big[i];
        mix((u32)(sa * small[i]));
        mix((u32)(small[i] * sa));
    }
    put16(check);

    check = 0;
    for (i = 0; i < 6; i++)
        for (j = 0; j < 6; j++) {
            mix((u32)w16[i] * w16[j]);
            mix((u32)((s32)sw16[i] * sw16[j]));
            mix((u32)((s32)sw16[i] * w16[j]));
            mix((u32)w16[i] * (u8)j);
        }
    put16(check);

    check = 0;
    for (i = 0; i < 10; i++) {
        a = ufac[i];
        mix(a * 3);
        mix(a * 10);
        mix(a * 256);
        mix(a * 65536UL);
        mix(a * 0x01010101UL);
        mix(a * 1000000UL);
        sa = sfac[i];
        mix((u32)(sa * 7));
        mix((u32)(sa * -100));
        mix((u32)(sa * 46340L));
        mix((u32)(sa * -1));
    }
    put16(check);

    check = 0;
    for (i = 0; i < 6; i++)
        for (j = 0; j < 6; j++) {
            a24 = u24fac[i];
            mix(U24(a24 * u24fac[j]));
            sa24 = s24fac[i];
            mix((u32)(s32)(sa24 * s24fac[j]));
        }
    for (i = 0; i < 6; i++) {
        a24 = u24fac[i];
        mix(U24(a24 * 100));
        mix(U24(a24 * 0x10101UL));
        sa24 = s24fac[i];
        mix((u32)(s32)(sa24 * -2896));
    }
    put16(check);
    a24 = u24fac[4];
    put32(U24(a24 * a24));
    sa24 = s24fac[5];
    put32((u32)(s32)(sa24 * sa24));
}
