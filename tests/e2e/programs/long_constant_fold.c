// 32- and 24-bit constant expressions folded by the compiler, in initializers, expressions and conditions, against the same operations done at run time.
#include "../e2e.h"
#include "../e2e_wide.h"

/* Each constant is cast back to 32 bits at every step where the host's
   64-bit long would otherwise keep more. */
#define K(x) ((u32)(x))
#define SK(x) ((s32)(x))

u32 init_shift = 0x12345678UL >> 4;
s32 init_product = -100000L * 3;
u24 init_sum = 0xABCDEFUL + 0x10;
u16 init_high = (u16)(0x12345678UL >> 12);
s8 init_narrow = (s8)-200L;
s32 init_quotient = (-2147483647L - 1) / 16;
u32 init_complement = ~0x0F0F0F0FUL & 0xFFFFFFFFUL;
u32 init_table[4] = { 1UL << 31, 0xFFUL << 24, 0xFFFFFFFFUL / 3, 1000000UL * 4000 };

/* The same operands, out of the compiler's sight at run time. */
u32 u_ffffffff = 0xFFFFFFFFUL, u_12345678 = 0x12345678UL, u_80000000 = 0x80000000UL;
s32 s_m7 = -7, s_min = -2147483647L - 1, s_max = 2147483647L, s_m100000 = -100000L;
u8 three = 3, thirty_one = 31, seven = 7;

u8 agree;

void same(u32 folded, u32 computed)
{
    mix(folded);
    agree += folded == computed;
}

void main(void)
{
    u32 v;
    s32 sv;

    put32(init_shift);
    put32((u32)init_product);
    put32(U24(init_sum));
    put16(init_high);
    put8((u8)init_narrow);
    put32((u32)init_quotient);
    put32(init_complement);
    put32(init_table[3]);

    check = 0;
    agree = 0;
    same(K(K(0xFFFFFFFFUL * 3) >> 1), (u_ffffffff * three) >> 1);
    same(K(0x12345678UL / 1000), u_12345678 / 1000);
    same(K(0x12345678UL % 1000), u_12345678 % 1000);
    same(K(SK(-7L / 2)), (u32)(s_m7 / 2));
    same(K(SK(-7L % 3)), (u32)(s_m7 % three));
    same(K(SK((-2147483647L - 1) / 2)), (u32)(s_min / 2));
    same(K(SK((-2147483647L - 1) % 10)), (u32)(s_min % 10));
    same(K(SK(2147483647L / -3)), (u32)(s_max / -3));
    same(K(1UL << 31) >> 31, (u32)1 << thirty_one >> thirty_one);
    same(K(0x80000000UL >> 7), u_80000000 >> seven);
    same(K(SK(0x7FFFFFFFL >> 7)), (u32)(s_max >> seven));
    same(K(~0x12345678UL), ~u_12345678);
    same(K(-(u32)5), -(u32)(seven - 2));
    same(K(SK(-100000L * 3)), (u32)(s_m100000 * three));
    same(K(0x12345678UL * 0x10UL), u_12345678 * 16);
    same(K(0x12345678UL ^ 0xFFFF0000UL), u_12345678 ^ (u_ffffffff << 16));
    same(K(0x12345678UL | 0x80000001UL), u_12345678 | u_80000000 | 1);
    same(K(0x12345678UL & 0xF0F0F0F0UL), u_12345678 & 0xF0F0F0F0UL);
    same((u16)0x123456UL, (u16)u_12345678 - 0x2222);
    same((u32)(s32)(s8)0x180L, (u32)(s32)(s8)(u_80000000 >> 23 | 0x80));
    same((u32)(s32)(s16)0x18000L, (u32)(s32)(s16)(u_80000000 >> 15 | 0x8000));
    same(U24(0xFFFFFFUL + 1), U24((u24)u_ffffffff + 1));
    same(K(200L * 200), (u32)(s32)200 * 200);
    same(K(SK(40000L * -2)), (u32)(s_m7 + 7 - 80000L));
    same(K(0xFFFFFFFFUL + 2), u_ffffffff + 2);
    same(K(0UL - 1), u_ffffffff);
    same(K(0xFFFFFFFFUL > 0) + K(-1L < 0) * 2 + K((u32)-1L == 0xFFFFFFFFUL) * 4 +
             K(-2147483647L - 1 < 2147483647L) * 8,
         (u_ffffffff > 0) + (s_m7 < 0) * 2 + ((u32)(s32)-1 == u_ffffffff) * 4 + (s_min < s_max) * 8);
    same(init_table[0], u_80000000);
    same(init_table[1], u_ffffffff << 24);
    same(init_table[2], u_ffffffff / three);
    put16(check);
    put8(agree);

    /* Constant conditions select their branch at compile time. */
    v = 0;
    if (0x7FFFFFFFUL + 0x80000000UL == 0xFFFFFFFFUL)
        v |= 1;
    if (K(0x80000000UL) >> 31)
        v |= 2;
    if (SK(-1L) >> 0 < 0)
        v |= 4;
    if ((u16)0x10000UL)
        v |= 8;
    if ((u8)0x12300UL == 0)
        v |= 16;
    if (0x1000000UL & 0xFFFFFFUL)
        v |= 32;
    sv = (0xFFFFFFFFUL / 0x10001UL == 0xFFFFUL) ? -1 : 1;
    put32(v);
    put32((u32)sv);
}
