// 32- and 24-bit shifts by every constant count, left and right, unsigned and non-negative signed, and shifts of widened narrower values.
#include "../e2e.h"
#include "../e2e_wide.h"

u32 uvals[4] = { 0x80000001UL, 0xFFFFFFFFUL, 0x12345678UL, 0x00800100UL };
s32 svals[3] = { S32_MAX, 0x12345678L, 0x00010080L };
u24 u24vals[3] = { 0x800001UL, 0xFFFFFFUL, 0x123456UL };
s24 s24vals[2] = { S24_MAX, 0x012345L };

#define LEFT(n) mix(a << n)
#define RIGHT(n) mix(a >> n)
#define SRIGHT(n) mix((u32)(sa >> n))
#define ALL31(op) op(1); op(2); op(3); op(4); op(5); op(6); op(7); op(8); op(9); op(10); \
    op(11); op(12); op(13); op(14); op(15); op(16); op(17); op(18); op(19); op(20);    \
    op(21); op(22); op(23); op(24); op(25); op(26); op(27); op(28); op(29); op(30); op(31)
#define LEFT24(n) mix(U24(a24 << n))
#define RIGHT24(n) mix(a24 >> n)
#define SRIGHT24(n) mix((u32)(s32)(sa24 >> n))
#define ALL23(op) op(1); op(2); op(3); op(4); op(5); op(6); op(7); op(8); op(9); op(10); \
    op(11); op(12); op(13); op(14); op(15); op(16); op(17); op(18); op(19); op(20);    \
    op(21); op(22); op(23)

void lefts(u32 a)
{
    ALL31(LEFT);
}

void rights(u32 a)
{
    ALL31(RIGHT);
}

void signed_rights(s32 sa)
{
    ALL31(SRIGHT);
}

void shifts24(u24 a24, s24 sa24)
{
    ALL23(LEFT24);
    ALL23(RIGHT24);
    ALL23(SRIGHT24);
}

void main(void)
{
    u8 i;
    u32 a;
    s32 sa;
    u16 w;
    u8 b;

    a = uvals[2];
    put32(a << 1);
    put32(a << 8);
    put32(a << 15);
    put32(a << 24);
    put32(a << 31);
    put32(a >> 7);
    put32(a >> 16);
    put32(a >> 28);

    for (i = 0; i < 4; i++) {
        check = 0;
        lefts(uvals[i]);
        rights(uvals[i]);
        put16(check);
    }
    check = 0;
    for (i = 0; i < 3; i++)
        signed_rights(svals[i]);
    sa = svals[2];
    mix((u32)(sa << 1));
    mix((u32)(sa << 8));
    mix((u32)(sa << 14));
    put16(check);

    check = 0;
    for (i = 0; i < 3; i++)
        shifts24(u24vals[i], s24vals[i & 1]);
    put16(check);

    /* Narrower values widened before the shift keep the bits that a shift
       in their own width would lose. */
    check = 0;
    w = 0xABCDu;
    b = 0xE7;
    mix((u32)w << 16);
    mix((u32)w << 20);
    mix((u32)b << 24);
    mix((u32)b << 25);
    mix((u32)(s32)(s16)w >> 4);
    mix((u32)(s8)b >> 1);
    mix(U24((u24)w << 8));
    mix((u16)(w << 4));
    put16(check);
}
