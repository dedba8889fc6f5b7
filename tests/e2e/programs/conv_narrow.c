// Narrowing conversions from 32 and 24 bits to 24, 16 and 8 bits, signed and unsigned, in assignments, arguments, return values, casts and stores through pointers.
#include "../e2e.h"
#include "../e2e_wide.h"

u32 src[8] = { 0, 0x7FUL, 0x80UL, 0x7FFFUL, 0x8000UL, 0x7FFFFFUL, 0x80808080UL, 0xFFFFFFFFUL };
s32 ssrc[6] = { S32_MIN, -8388609L, -32769L, -129, -1, 0x12ABCDEFL };
u24 src24[5] = { 0x7FUL, 0x80UL, 0x8000UL, 0xABCDEFUL, 0xFFFFFFUL };
s24 ssrc24[4] = { S24_MIN, -32769L, -129, 0x12ABCDL };

u8 arg_u8(u8 x) { return x; }
s8 arg_s8(s8 x) { return x; }
u16 arg_u16(u16 x) { return x; }
s16 arg_s16(s16 x) { return x; }
u24 arg_u24(u24 x) { return x; }
s24 arg_s24(s24 x) { return x; }

u8 ret_u8(u32 x) { return x; }
s8 ret_s8(s32 x) { return x; }
u16 ret_u16(s32 x) { return x; }
s16 ret_s16(u32 x) { return x; }
u24 ret_u24(s32 x) { return x; }
s24 ret_s24(u32 x) { return x; }
u8 ret_u8_24(s24 x) { return x; }
s16 ret_s16_24(u24 x) { return x; }

void store(u8 *b, s16 *w, u24 *x, u32 v)
{
    *b = v;
    *w = v;
    *x = v;
}

void narrow_all(u32 v)
{
    u8 b;
    s8 sb;
    u16 w;
    s16 sw;
    u24 x;
    s24 sx;
    b = v; mix(b);
    sb = v; mix((u32)(s32)sb);
    w = v; mix(w);
    sw = v; mix((u32)(s32)sw);
    /* The host keeps the high byte that the target's store drops, until
       U24 or S24 reads the value back. */
    x = v; mix(U24(x));
    sx = v; mix((u32)(s32)S24(sx));
    mix(arg_u8(v));
    mix((u32)(s32)arg_s8(v));
    mix(arg_u16(v));
    mix((u32)(s32)arg_s16(v));
    mix(U24(arg_u24(v)));
    mix((u32)(s32)S24(arg_s24(v)));
    mix(ret_u8(v));
    mix((u32)(s32)ret_s16(v));
    mix((u32)(s32)S24(ret_s24(v)));
    mix((u8)v);
    mix((u32)(s32)(s8)v);
    mix((u16)v);
    mix((u32)(s32)(s16)v);
    mix(U24(v));
    mix((u32)(s32)S24(v));
}

void main(void)
{
    u8 i;
    u8 b;
    s16 sw;
    u24 x;
    s32 sv;
    s24 sx;

    for (i = 0; i < 8; i++) {
        check = 0;
        narrow_all(src[i]);
        put16(check);
    }

    check = 0;
    for (i = 0; i < 6; i++) {
        sv = ssrc[i];
        narrow_all((u32)sv);
        mix((u32)(s32)ret_s8(sv));
        mix(ret_u16(sv));
        mix(U24(ret_u24(sv)));
        store(&b, &sw, &x, (u32)sv);
        mix(b);
        mix((u32)(s32)sw);
        mix(U24(x));
    }
    put16(check);

    check = 0;
    for (i = 0; i < 5; i++) {
        x = src24[i];
        b = x; mix(b);
        sw = x; mix((u32)(s32)sw);
        mix((u32)(s32)(s8)x);
        mix((u16)x);
        mix((u32)(s32)ret_s16_24(x));
    }
    for (i = 0; i < 4; i++) {
        sx = ssrc24[i];
        b = sx; mix(b);
        sw = sx; mix((u32)(s32)sw);
        mix((u32)(s32)(s8)sx);
        mix((u16)sx);
        mix(ret_u8_24(sx));
    }
    put16(check);

    /* Narrowing inside expressions: the truncated value is what is used. */
    check = 0;
    for (i = 0; i < 8; i++) {
        mix((u16)((u8)src[i] + (u16)src[i]));
        mix((s32)(s8)src[i] * 3);
        mix((u8)(src[i] >> 8) == 0x80);
        mix((s16)src[i] < 0);
        mix((u16)(src[i] >> 12) + 1UL);
        mix((s32)S24(src[i]) < -1);
    }
    put16(check);
    put8((u8)src[6]);
    put8((u8)(s8)ssrc[3]);
    put16((u16)(s16)ssrc[2]);
    put32(U24(ssrc[1]));
}
