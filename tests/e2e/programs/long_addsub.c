// 32- and 24-bit addition and subtraction with carries and borrows through every byte, signed and unsigned, and with narrower operands.
#include "../e2e.h"
#include "../e2e_wide.h"

u32 uvals[12] = { 0, 1, 0xFFUL, 0x100UL, 0xFFFFUL, 0x10000UL, 0xFFFFFFUL, 0x1000000UL,
                  0x7FFFFFFFUL, 0x80000000UL, 0xFFFFFFFFUL, 0x89ABCDEFUL };
s32 svals[12] = { S32_MIN, -2147483647L, -16777216L, -65536L, -256, -1,
                  0, 1, 255, 65535L, 16777215L, S32_MAX };
u24 u24vals[9] = { 0, 1, 0xFF, 0x100, 0xFFFFUL, 0x10000UL, 0x7FFFFFUL, 0x800000UL, 0xFFFFFFUL };
s24 s24vals[8] = { S24_MIN, -8388607L, -65536L, -1, 0, 1, 65535L, S24_MAX };
u8 n8[4] = { 0, 1, 0x80, 0xFF };
s8 ns8[4] = { -128, -1, 1, 127 };
u16 n16[3] = { 1, 0x8000u, 0xFFFFu };
s16 ns16[3] = { -32767 - 1, -1, 32767 };

/* Signed sums and differences are only formed where they cannot overflow;
   the number of pairs taken goes into the result. */
u8 add_fits(s32 a, s32 b)
{
    if (b > 0)
        return a <= S32_MAX - b;
    return a >= S32_MIN - b;
}

u8 sub_fits(s32 a, s32 b)
{
    if (b < 0)
        return a <= S32_MAX + b;
    return a >= S32_MIN + b;
}

u8 add24_fits(s24 a, s24 b)
{
    if (b > 0)
        return a <= S24_MAX - b;
    return a >= S24_MIN - b;
}

u8 sub24_fits(s24 a, s24 b)
{
    if (b < 0)
        return a <= S24_MAX + b;
    return a >= S24_MIN + b;
}

void main(void)
{
    u8 i, j, taken;
    u32 a, b;
    s32 sa, sb;
    u24 a24, b24;
    s24 sa24, sb24;

    a = uvals[2]; put32(a + 1);
    a = uvals[4]; put32(a + 1);
    a = uvals[6]; put32(a + 1);
    a = uvals[10]; put32(a + 1);
    a = uvals[3]; put32(a - 1);
    a = uvals[5]; put32(a - 1);
    a = uvals[7]; put32(a - 1);
    a = uvals[0]; put32(a - 1);

    check = 0;
    for (i = 0; i < 12; i++)
        for (j = 0; j < 12; j++) {
            a = uvals[i];
            b = uvals[j];
            mix(a + b);
            mix(a - b);
            b += a;
            mix(b);
        }
    put16(check);

    check = 0;
    taken = 0;
    for (i = 0; i < 12; i++)
        for (j = 0; j < 12; j++) {
            sa = svals[i];
            sb = svals[j];
            if (add_fits(sa, sb)) {
                mix((u32)(sa + sb));
                taken++;
            }
            if (sub_fits(sa, sb)) {
                mix((u32)(sa - sb));
                taken++;
            }
        }
    put16(check);
    put8(taken);

    check = 0;
    for (i = 0; i < 12; i++)
        for (j = 0; j < 4; j++) {
            a = uvals[i];
            mix(a + n8[j]);
            mix(a - n8[j]);
            mix(a + ns8[j]);
            mix(a - ns8[j]);
            if (j < 3) {
                mix(a + n16[j]);
                mix(a - n16[j]);
                mix(a + ns16[j]);
                mix(a - ns16[j]);
            }
            sa = svals[i];
            if (add_fits(sa, ns8[j]))
                mix((u32)(sa + ns8[j]));
            if (sub_fits(sa, n8[j]))
                mix((u32)(sa - n8[j]));
        }
    put16(check);

    check = 0;
    taken = 0;
    for (i = 0; i < 9; i++)
        for (j = 0; j < 9; j++) {
            a24 = u24vals[i];
            b24 = u24vals[j];
            mix(U24(a24 + b24));
            mix(U24(a24 - b24));
        }
    for (i = 0; i < 8; i++)
        for (j = 0; j < 8; j++) {
            sa24 = s24vals[i];
            sb24 = s24vals[j];
            if (add24_fits(sa24, sb24)) {
                mix((u32)(s32)(sa24 + sb24));
                taken++;
            }
            if (sub24_fits(sa24, sb24)) {
                mix((u32)(s32)(sa24 - sb24));
                taken++;
            }
        }
    put16(check);
    put8(taken);
    a24 = u24vals[8];
    put32(U24(a24 + 1));
    a24 = u24vals[4];
    put32(U24(a24 + 1));
    sa24 = s24vals[0];
    put32((u32)(s32)(sa24 + 1));
}
