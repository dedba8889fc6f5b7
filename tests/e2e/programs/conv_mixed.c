// Usual arithmetic conversions between 8-, 16-, 24- and 32-bit operands of both signednesses in arithmetic, comparisons and conditional expressions.
#include "../e2e.h"
#include "../e2e_wide.h"

s8 vs8[4] = { -128, -2, 3, 127 };
u8 vu8[4] = { 0, 1, 0x80, 0xFF };
s16 vs16[4] = { -32767 - 1, -300, 7, 32767 };
u16 vu16[4] = { 1, 0x7FFF, 0x8000u, 0xFFFFu };
s24 vs24[4] = { S24_MIN, -70000L, 5, S24_MAX };
u24 vu24[4] = { 1, 0xFFFFUL, 0x800000UL, 0xFFFFFFUL };
s32 vs32[4] = { S32_MIN, -100000L, 9, S32_MAX };
u32 vu32[4] = { 1, 0xFFFFUL, 0x80000000UL, 0xFFFFFFFFUL };

/* A narrower signed operand meets an unsigned 32-bit one in arithmetic:
   it is extended with its sign first. Comparisons of such pairs are left
   to the casts below, as the host's warnings demand. */
#define WITH_U32(narrow_signed, narrow_unsigned, b)   \
    mix(narrow_signed + b);                           \
    mix(narrow_signed - b);                           \
    mix(b - narrow_unsigned);                         \
    mix(b * narrow_signed);                           \
    mix(narrow_unsigned > b);                         \
    mix(b / (narrow_unsigned | 1));                   \
    mix(b % (narrow_unsigned | 1))

void main(void)
{
    u8 i, j;
    s32 sl;
    u32 l;

    check = 0;
    for (i = 0; i < 4; i++)
        for (j = 0; j < 4; j++) {
            /* To s32: every narrower operand keeps its value. */
            sl = vs32[j] / 2;
            mix((u32)(vs8[i] + sl));
            mix((u32)(vu8[i] - sl));
            mix((u32)(vs16[i] + sl));
            mix((u32)(vu16[i] - sl));
            mix((u32)(vs24[i] + sl));
            mix(vs8[i] < vs32[j]);
            mix(vu8[i] > vs32[j]);
            mix(vs16[i] <= vs32[j]);
            mix(vu16[i] >= vs32[j]);
            mix(vs24[i] != vs32[j]);
            mix(vs24[i] < vs32[j]);
            mix((u32)(vs32[j] / vs16[i]));
            mix((u32)(vs32[j] % vs8[i]));
            mix((u32)(vs32[j] / vu16[i]));
            mix((u32)((vs32[j] & 0xFFFF) * vs16[i]));
            /* To u32. */
            WITH_U32(vs8[i], vu8[i], vu32[j]);
            WITH_U32(vs16[i], vu16[i], vu32[j]);
            WITH_U32(vs24[i], vu16[i], vu32[j]);
            mix((u32)vs8[i] < vu32[j]);
            mix((u32)vs16[i] == vu32[j]);
            mix((u32)vs24[i] >= vu32[j]);
            mix(vu24[i] + vu32[j]);
            mix(vu24[i] < vu32[j]);
            mix(vu32[j] / vu24[i]);
        }
    put16(check);

    /* To s24: 8- and 16-bit operands keep their values, unsigned 16-bit
       ones included, as the host's int does. */
    check = 0;
    for (i = 0; i < 4; i++)
        for (j = 0; j < 4; j++) {
            mix((u32)(s32)S24(vs8[i] + vs24[j] / 2));
            mix((u32)(s32)S24(vu16[i] - vs24[j] / 2));
            mix((u32)(s32)S24(vs16[i] + vs24[j] / 2));
            mix(vs8[i] < vs24[j]);
            mix(vu8[i] > vs24[j]);
            mix(vs16[i] >= vs24[j]);
            mix(vu16[i] < vs24[j]);
            mix(vu16[i] == vs24[j]);
            mix((u32)(s32)(vs24[j] / vs16[i]));
            mix((u32)(s32)(vs24[j] % vu16[i]));
            mix((u32)(s32)(vs24[j] / vs8[i]));
            /* To u24: unsigned narrower operands, wrapping at 24 bits. */
            mix(U24(vu8[i] - vu24[j]));
            mix(U24(vu16[i] + vu24[j]));
            mix(vu16[i] < vu24[j]);
            mix(vu24[j] / vu16[i]);
            mix(vu24[j] % vu8[(i + 1) & 3 ? (i + 1) & 3 : 1]);
        }
    put16(check);

    /* Pairs whose common type differs between the sides are cast to one
       type first, which is what portable code does. */
    check = 0;
    for (i = 0; i < 4; i++)
        for (j = 0; j < 4; j++) {
            mix((s32)vu24[i] < vs32[j]);
            mix((u32)((s32)vu24[i] + vs32[j] / 4));
            mix((s32)vs16[i] < (s32)vu16[j]);
            mix((u32)vs16[i] < (u32)vu16[j]);
            mix((s32)vs8[i] * vu16[j]);
            mix((u32)(u16)vs16[i] * vu16[j]);
            mix(U24(vs16[i]) < vu24[j]);
            mix((s32)vs24[i] < (s32)vu24[j]);
            l = vs8[i] < 0 ? vu32[j] : (u32)vs16[i];
            mix(l);
            sl = vu8[i] > 0x7F ? vs24[j] : vs8[i];
            mix((u32)sl);
            mix((i & 1 ? vs32[j] : vs16[i]) < 0);
        }
    put16(check);
}
