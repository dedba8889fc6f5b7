// Conversions between floats and 8-, 16-, 24- and 32-bit integers of both signednesses: exact values, rounding to nearest even above 2^24, truncation toward zero, implicit conversions in arithmetic, arguments, returns and compound assignments.
#include "../e2e.h"
#include "../e2e_float.h"

s8 ts8[6] = { -128, -1, 0, 1, 100, 127 };
u8 tu8[5] = { 0, 1, 0x80, 200, 0xFF };
s16 ts16[7] = { -32767 - 1, -1000, -1, 0, 7, 12345, 32767 };
u16 tu16[5] = { 0, 1, 0x8000u, 40000u, 0xFFFFu };
s24 ts24[7] = { -8388607L - 1, -70000L, -1, 0, 5, 1234567L, 8388607L };
u24 tu24[6] = { 0, 1, 0x800000UL, 0xABCDEFUL, 0xFFFFFEUL, 0xFFFFFFUL };
/* Beyond 2^24 a float cannot hold every integer: these round down, up and
   to even from ties, some of them to 2^31 or 2^32 itself, which is out of
   the type's range on the way back. */
s32 ts32[12] = { -2147483647L - 1, -16777217L, -16777215L, -1, 0, 16777217L,
                 16777219L, 0x7FFFFF80L, 0x7FFFFFBFL, 0x7FFFFFC0L, 0x7FFFFFFFL, 123456789L };
u32 tu32[10] = { 0, 1, 0x80000000UL, 0xFFFFFFFFUL, 0xFFFFFF7FUL, 0xFFFFFF80UL,
                 0x01000001UL, 0x01000003UL, 0x12345678UL, 3000000000UL };

/* Fractions truncate toward zero; each is converted only to the types
   whose range holds its integral part. They are kept in program memory,
   as data memory takes at most a bank of initialized data from a module. */
rom float tf[26] = {
    0.0f, -0.0f, 0.5f, 0.99999994f, -0.99999994f, 1.5f, -1.5f, 2.5f, -2.5f,
    127.9f, -128.9f, 255.99998f, -32768.5f, 32767.75f, 65535.5f, 8388607.5f,
    -8388608.0f, 16777215.0f, 1.0e9f, -2147483648.0f, 2147483520.0f,
    4294967040.0f, 1.0e-30f, -1.0e-30f, 3.0e9f, -123.456f
};

float twice(float f)
{
    return f + f;
}

s16 half_of(float f)
{
    return f / 2;
}

void main(void)
{
    u8 i;
    float f;
    s8 a8;
    u8 b8;
    s16 a16;
    u16 b16;
    s24 a24;
    u24 b24;
    s32 a32;
    u32 b32;

    /* Singled out so that a fault shows which case it is in. */
    put_float(ts8[0]);
    put_float(tu16[4]);
    put_float(ts24[0]);
    put_float(ts32[9]);
    put_float(tu32[3]);
    put16((u16)(s16)tf[10]);
    put16((u16)(tf[21] / 65536.0f));

    check = 0;
    for (i = 0; i < 6; i++) {
        f = ts8[i];
        mix_float(f);
        mix((u32)(s8)f);
    }
    for (i = 0; i < 5; i++) {
        f = tu8[i];
        mix_float(f);
        mix((u8)f);
    }
    for (i = 0; i < 7; i++) {
        f = ts16[i];
        mix_float(f);
        mix((u32)(s16)f);
    }
    for (i = 0; i < 5; i++) {
        f = tu16[i];
        mix_float(f);
        mix((u16)f);
    }
    put16(check);

    check = 0;
    for (i = 0; i < 7; i++) {
        f = ts24[i];
        mix_float(f);
        mix((u32)(s24)f);
    }
    for (i = 0; i < 6; i++) {
        f = tu24[i];
        mix_float(f);
        mix((u24)f);
    }
    for (i = 0; i < 12; i++) {
        f = ts32[i];
        mix_float(f);
        if (f < 2147483648.0f)
            mix((u32)(s32)f);
    }
    for (i = 0; i < 10; i++) {
        f = tu32[i];
        mix_float(f);
        if (f < 4294967296.0f)
            mix((u32)f);
    }
    put16(check);

    check = 0;
    for (i = 0; i < 26; i++) {
        f = tf[i];
        if (f > -129.0f && f < 128.0f) {
            a8 = (s8)f;
            mix((u32)a8);
        }
        if (f > -1.0f && f < 256.0f) {
            b8 = (u8)f;
            mix(b8);
        }
        if (f > -32769.0f && f < 32768.0f) {
            a16 = (s16)f;
            mix((u32)a16);
        }
        if (f > -1.0f && f < 65536.0f) {
            b16 = (u16)f;
            mix(b16);
        }
        if (f > -8388609.0f && f < 8388608.0f) {
            a24 = (s24)f;
            mix((u32)a24);
        }
        if (f > -1.0f && f < 16777216.0f) {
            b24 = (u24)f;
            mix(b24);
        }
        if (f >= -2147483648.0f && f < 2147483648.0f) {
            a32 = (s32)f;
            mix((u32)a32);
        }
        if (f > -1.0f && f < 4294967296.0f) {
            b32 = (u32)f;
            mix(b32);
        }
        mix(i);
    }
    put16(check);

    /* Integers meet floats in arithmetic, as arguments and returns, and
       in assignments to either side. An integer's compound assignment with
       a float operand is written out in full: the compiler works it in
       integers (tests/e2e/pending/float_compound_into_integer.c). */
    check = 0;
    for (i = 0; i < 7; i++) {
        a16 = ts16[i];
        b8 = tu8[i % 5];
        a32 = ts32[i];
        mix_float(a16 * 0.5f);
        mix_float(b8 + 0.25f);
        mix_float(1.0f / 3 + a16);
        mix_float(a32 - 0.5f);
        mix_float(twice(a16));
        mix_float(twice(b8));
        mix((u32)half_of(a16));
        f = tf[i + 9];
        f += a16;
        mix_float(f);
        f *= b8;
        mix_float(f);
        a16 = a16 / 1.5f;
        mix((u32)a16);
        a16 = a16 + 0.75f;
        mix((u32)a16);
        b8 = b8 * 0.5f;
        mix(b8);
        b16 = tu16[i % 5];
        b16 = b16 - 0.5f;
        mix(b16);
        a8 = ts8[i % 6];
        a8 = a8 / 2.0f;
        mix((u32)a8);
        b32 = tu32[i];
        b32 = b32 * 0.25f;
        mix(b32);
    }
    put16(check);
}
