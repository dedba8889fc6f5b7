// 32- and 24-bit negation, complement, and/or/xor with variables and byte-sized masks, logical not/and/or and truth of values whose set bits lie in one byte.
#include "../e2e.h"
#include "../e2e_wide.h"

u32 vals[10] = { 0, 1, 0x80UL, 0xFF00UL, 0x10000UL, 0xFF0000UL, 0x1000000UL,
                 0x80000000UL, 0xFFFFFFFFUL, 0x5AA5C33CUL };
s32 svals[6] = { -2147483647L, -65536L, -1, 0, 256, S32_MAX };
u24 vals24[6] = { 0, 1, 0x100UL, 0x10000UL, 0x800000UL, 0xA5C33CUL };
s24 svals24[5] = { -8388607L, -256, -1, 0, S24_MAX };

u8 truth(u32 a, u32 b)
{
    u8 bits = 0;
    if (a)
        bits |= 0x01;
    if (!a)
        bits |= 0x02;
    if (a && b)
        bits |= 0x04;
    if (a || b)
        bits |= 0x08;
    if (!(a & b))
        bits |= 0x10;
    bits |= (u8)(!!(a ^ b) << 5);
    bits |= (u8)((a != 0 && b == 0) << 6);
    return bits;
}

void main(void)
{
    u8 i, j;
    u32 a, b, t;
    s32 sa;
    u24 a24, b24;
    s24 sa24;

    a = vals[9];
    put32(~a);
    put32(-a);
    put32(a & 0xFF00FF00UL);
    put32(a | 0x00FF00FFUL);
    put32(a ^ 0xFFFFUL);

    check = 0;
    for (i = 0; i < 10; i++)
        for (j = 0; j < 10; j++) {
            a = vals[i];
            b = vals[j];
            mix(a & b);
            mix(a | b);
            mix(a ^ b);
            mix(a & ~b);
            mix(truth(a, b));
            t = a;
            t &= b;
            t |= b >> 1;
            t ^= a << 1;
            mix(t);
        }
    put16(check);

    check = 0;
    for (i = 0; i < 10; i++) {
        a = vals[i];
        mix(~a);
        mix(-a);
        mix(a & 0xFFUL);
        mix(a & 0xFF00UL);
        mix(a & 0xFF0000UL);
        mix(a & 0xFF000000UL);
        mix(a | 0x80UL);
        mix(a | 0x8000UL);
        mix(a | 0x800000UL);
        mix(a | 0x80000000UL);
        mix(a ^ 0x01010101UL);
        mix(a ^ 0xFFFFFFFFUL);
        mix((a & 0x8000UL) != 0);
        mix((a & 0x800000UL) == 0);
        mix((a & 0x80000000UL) ? 3 : 4);
        mix(!(a & 0xFF0000UL));
    }
    for (i = 0; i < 6; i++) {
        sa = svals[i];
        mix((u32)-sa);
        mix((u32)~sa);
        mix((u32)(sa & -256L));
        mix((u32)(sa | 0x7F));
        mix((u32)(sa ^ -1L));
        mix(sa < 0);
        mix(!sa);
    }
    put16(check);

    check = 0;
    for (i = 0; i < 6; i++)
        for (j = 0; j < 6; j++) {
            a24 = vals24[i];
            b24 = vals24[j];
            mix(a24 & b24);
            mix(a24 | b24);
            mix(a24 ^ b24);
            mix(U24(~a24));
            mix(U24(-a24));
            mix(!a24 + 2 * !(a24 & b24));
        }
    for (i = 0; i < 5; i++) {
        sa24 = svals24[i];
        mix((u32)(s32)-sa24);
        mix((u32)(s32)~sa24);
        mix((u32)(s32)(sa24 & -256));
        mix((u32)(s32)(sa24 | 0x7F));
    }
    put16(check);
}
