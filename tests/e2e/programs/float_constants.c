// Float constants: literals of every form and edge magnitude, and arithmetic, comparisons and conversions folded by the compiler must give the same bits as the library at run time.
#include "../e2e.h"
#include "../e2e_float.h"

/* Each pair is folded from its literals and also computed at run time from
   volatile copies of them. No quotient overflows and no divisor is zero. */
#define PAIRS(X)                          \
    X(0.1f, 0.2f)                         \
    X(1.0f, 3.0f)                         \
    X(16777216.0f, 1.0f)                  \
    X(-2.5f, 1.0e-3f)                     \
    X(1.0e18f, 3.0e-20f)                  \
    X(1.17549435e-38f, 0.5f)              \
    X(-0.0f, 2.0f)                        \
    X(0.0f, -3.0f)                        \
    X(123456.789f, -123456.78f)           \
    X(3.4028234e38f, -1.0f)               \
    X(7.0f, 0.1f)                         \
    X(1.0e-45f, 3.0f)                     \
    X(0.99999994f, 1.0000001f)            \
    X(-1.0e-3f, 1000.0f)                  \
    X(.5f, 5.f)                           \
    X(1E+3F, 2.5e-1F)

#define FIRST(x, y) x,
#define SECOND(x, y) y,
volatile float vx[] = { PAIRS(FIRST) };
volatile float vy[] = { PAIRS(SECOND) };

#define OPS(x, y)                                                       \
    mix_float((x) + (y));                                               \
    mix_float((x) - (y));                                               \
    mix_float((x) * (y));                                               \
    mix_float((x) / (y));                                               \
    mix(((x) < (y)) | ((x) <= (y)) << 1 | ((x) > (y)) << 2 |            \
        ((x) >= (y)) << 3 | ((x) == (y)) << 4 | ((x) != (y)) << 5);     \
    mix_float(-(x));

#define FOLDED(x, y) OPS(x, y)

/* Initializers are the compiler's own arithmetic. */
float third = 1.0f / 3.0f;
float mixed = 2.0f / 3.0f + 0.1f - 1.0e-7f;
rom float rom_consts[4] = { 0.1f * 3.0f, 1.0f - 0.99999994f, 1.0e-30f * 1.0e-10f, -(0.0f) };

volatile s32 vi32[5] = { 0x7FFFFFFFL, -2147483647L - 1, 16777217L, -16777219L, 12345 };
volatile u32 vu32[3] = { 0xFFFFFFFFUL, 0xFFFFFF80UL, 0x80000001UL };
volatile float vf[6] = { -3.7f, 255.9f, -1.0e9f, 4.0e9f, -128.99f, 65535.99f };

void main(void)
{
    u8 i;

    put_float(1e-45f);
    put_float(3.4028234e38f);
    put_float(16777217.0f);
    put_float(0.3f);
    put_float(third);
    put_float(mixed);
    put_float(rom_consts[1]);
    put_float(rom_consts[2]);

    check = 0;
    PAIRS(FOLDED)
    put16(check);
    check = 0;
    for (i = 0; i < sizeof vx / sizeof vx[0]; i++) {
        OPS(vx[i], vy[i])
    }
    put16(check);

    check = 0;
    mix_float((float)0x7FFFFFFFL);
    mix_float((float)(-2147483647L - 1));
    mix_float((float)16777217L);
    mix_float((float)-16777219L);
    mix_float((float)12345);
    mix_float((float)0xFFFFFFFFUL);
    mix_float((float)0xFFFFFF80UL);
    mix_float((float)0x80000001UL);
    mix((u32)(s16)-3.7f);
    mix((u8)255.9f);
    mix((u32)(s32)-1.0e9f);
    mix((u32)4.0e9f);
    mix((u32)(s8)-128.99f);
    mix((u16)65535.99f);
    mix_float(rom_consts[0]);
    mix_float(rom_consts[3]);
    put16(check);

    check = 0;
    for (i = 0; i < 5; i++)
        mix_float((float)vi32[i]);
    for (i = 0; i < 3; i++)
        mix_float((float)vu32[i]);
    mix((u32)(s16)vf[0]);
    mix((u8)vf[1]);
    mix((u32)(s32)vf[2]);
    mix((u32)vf[3]);
    mix((u32)(s8)vf[4]);
    mix((u16)vf[5]);
    mix_float(0.1f * vx[2] * 3.0f);
    mix_float(-(vx[7]));
    put16(check);
}
