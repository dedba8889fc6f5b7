// Widening conversions from 8, 16 and 24 bits to 16, 24 and 32 bits, signed and unsigned, in assignments, arguments, return values and casts.
#include "../e2e.h"
#include "../e2e_wide.h"

u8 src_u8[4] = { 0, 1, 0x7F, 0xFF };
s8 src_s8[4] = { -128, -1, 0, 127 };
u16 src_u16[4] = { 0, 0x7FFF, 0x8000u, 0xFFFFu };
s16 src_s16[4] = { -32767 - 1, -1, 1, 32767 };
u24 src_u24[4] = { 0, 0x7FFFFFUL, 0x800000UL, 0xFFFFFFUL };
s24 src_s24[4] = { S24_MIN, -1, 1, S24_MAX };

/* Parameters convert what the caller passes; the body only hands it on. */
u16 arg_u16(u16 x) { return x; }
s16 arg_s16(s16 x) { return x; }
u24 arg_u24(u24 x) { return x; }
s24 arg_s24(s24 x) { return x; }
u32 arg_u32(u32 x) { return x; }
s32 arg_s32(s32 x) { return x; }

/* Return statements convert their narrower operand. */
u32 ret_u32_s8(s8 x) { return x; }
s32 ret_s32_s8(s8 x) { return x; }
u32 ret_u32_s16(s16 x) { return x; }
s32 ret_s32_u16(u16 x) { return x; }
u32 ret_u32_s24(s24 x) { return x; }
s32 ret_s32_u24(u24 x) { return x; }
s32 ret_s32_s24(s24 x) { return x; }
u24 ret_u24_s8(s8 x) { return x; }
s24 ret_s24_u16(u16 x) { return x; }
u24 ret_u24_s16(s16 x) { return x; }

void take16(u16 a, s16 b)
{
    mix(a);
    mix((u32)(s32)b);
}

/* 24-bit results are read back through U24 and S24 so that the host's
   wider objects give the same bits. */
void take24(u24 a, s24 b)
{
    mix(U24(a));
    mix((u32)(s32)S24(b));
}

void take32(u32 a, s32 b)
{
    mix(a);
    mix((u32)b);
}

void main(void)
{
    u8 i;
    u16 w;
    s16 sw;
    u24 x;
    s24 sx;
    u32 l;
    s32 sl;

    l = src_s8[0]; put32(l);
    sl = src_u8[3]; put32((u32)sl);
    l = src_s16[1]; put32(l);
    sl = src_u16[2]; put32((u32)sl);
    l = src_s24[0]; put32(l);
    sl = src_u24[3]; put32((u32)sl);
    x = src_s8[0]; put32(U24(x));
    sx = src_u16[3]; put32((u32)(s32)sx);

    check = 0;
    for (i = 0; i < 4; i++) {
        w = src_u8[i]; mix(w);
        w = src_s8[i]; mix(w);
        sw = src_u8[i]; mix((u32)(s32)sw);
        sw = src_s8[i]; mix((u32)(s32)sw);
        x = src_u8[i]; mix(U24(x));
        x = src_s8[i]; mix(U24(x));
        x = src_u16[i]; mix(U24(x));
        x = src_s16[i]; mix(U24(x));
        sx = src_u8[i]; mix((u32)(s32)sx);
        sx = src_s8[i]; mix((u32)(s32)sx);
        sx = src_u16[i]; mix((u32)(s32)sx);
        sx = src_s16[i]; mix((u32)(s32)sx);
        l = src_u8[i]; mix(l);
        l = src_s8[i]; mix(l);
        l = src_u16[i]; mix(l);
        l = src_s16[i]; mix(l);
        l = src_u24[i]; mix(l);
        l = src_s24[i]; mix(l);
        sl = src_u8[i]; mix((u32)sl);
        sl = src_s8[i]; mix((u32)sl);
        sl = src_u16[i]; mix((u32)sl);
        sl = src_s16[i]; mix((u32)sl);
        sl = src_u24[i]; mix((u32)sl);
        sl = src_s24[i]; mix((u32)sl);
    }
    put16(check);

    check = 0;
    for (i = 0; i < 4; i++) {
        take16(src_u8[i], src_u8[i]);
        take16(src_s8[i], src_s8[i]);
        take24(src_u8[i], src_u8[i]);
        take24(src_s8[i], src_s8[i]);
        take24(src_u16[i], src_u16[i]);
        take24(src_s16[i], src_s16[i]);
        take32(src_u8[i], src_u8[i]);
        take32(src_s8[i], src_s8[i]);
        take32(src_u16[i], src_u16[i]);
        take32(src_s16[i], src_s16[i]);
        take32(src_u24[i], src_u24[i]);
        take32(src_s24[i], src_s24[i]);
        mix(arg_u16(src_s8[i]));
        mix((u32)(s32)arg_s16(src_u8[i]));
        mix(U24(arg_u24(src_s16[i])));
        mix((u32)(s32)S24(arg_s24(src_u16[i])));
        mix(arg_u32(src_s24[i]));
        mix((u32)arg_s32(src_u24[i]));
        mix(arg_u32(arg_s16(src_s8[i])));
    }
    put16(check);

    check = 0;
    for (i = 0; i < 4; i++) {
        mix(ret_u32_s8(src_s8[i]));
        mix((u32)ret_s32_s8(src_s8[i]));
        mix(ret_u32_s16(src_s16[i]));
        mix((u32)ret_s32_u16(src_u16[i]));
        mix(ret_u32_s24(src_s24[i]));
        mix((u32)ret_s32_u24(src_u24[i]));
        mix((u32)ret_s32_s24(src_s24[i]));
        mix(U24(ret_u24_s8(src_s8[i])));
        mix((u32)(s32)S24(ret_s24_u16(src_u16[i])));
        mix(U24(ret_u24_s16(src_s16[i])));
    }
    put16(check);

    /* Casts widen in the middle of expressions; the cast decides whether
       the value is extended with its sign or with zeros. */
    check = 0;
    for (i = 0; i < 4; i++) {
        mix((u32)src_s8[i] + 1);
        mix((u32)(u8)src_s8[i] + 1);
        mix((s32)src_s16[i] * 2 + 1);
        mix((u32)(u16)src_s16[i] << 8);
        mix((s32)src_s24[i] - 1);
        mix((u32)U24(src_s24[i]) + 1);
        mix(U24((u24)src_s8[i] + 1));
        mix((u32)(s32)S24((s24)src_u16[i] + 1));
        mix((s32)(s16)src_u16[i] / 2);
        mix((s32)(s8)src_u8[i] % 5);
        mix((s32)src_s8[i] < 0);
        mix((u32)src_s8[i] > 0x7FFFFFFFUL);
    }
    put16(check);
}
