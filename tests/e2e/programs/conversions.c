// Conversions between the 8- and 16-bit types: truncation, sign and zero extension, plain char, and casts in expressions.
#include "../e2e.h"

u16 word = 0xF08F;
s16 sword = -200;
u8 byte = 0xC8;
s8 sbyte = -56;
char plain = -3;

s16 widen_signed(s8 v)
{
    return v;
}

u16 widen_unsigned(u8 v)
{
    return v;
}

u8 narrow(u16 v)
{
    return v;
}

void main(void)
{
    u8 u;
    s8 s;
    u16 w;
    s16 sw;

    u = word; put8(u);
    s = word; put8(s);
    u = sword; put8(u);
    s = sword; put8(s);
    w = sbyte; put16(w);
    sw = sbyte; put16(sw);
    w = byte; put16(w);
    sw = byte; put16(sw);
    sw = (s8)byte; put16(sw);
    w = (u8)sbyte; put16(w);
    w = sword; put16(w);
    sw = word; put16(sw);

    put16(widen_signed(-1));
    put16(widen_signed(127));
    put16(widen_unsigned(255));
    put8(narrow(0x1234));

    /* Plain char is signed, as on the host build. */
    sw = plain; put16(sw);
    put8(plain < 0);
    u = (u8)plain; put8(u);

    /* Casts inside expressions change what is compared and added. */
    put8((u8)(byte + 100) < 100);
    put8((s8)byte < 0);
    sw = (s8)(byte + 60); put16(sw);
    w = (u16)sbyte + 1; put16(w);
    sw = (s16)(u8)sbyte * 2; put16(sw);
    put8((u8)word == 0x8F);
    put8((s8)(u8)word);
}
