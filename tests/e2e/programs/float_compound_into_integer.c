// An integer's compound assignment with a float right operand (+=, -=, *=, /=) is computed in float, as x = x op f is, and only the result converted back.
#include "../e2e.h"
#include "../e2e_wide.h"

float half = 0.5f;
float two = 2.0f;
s16 g16 = 100;
u32 g32 = 0x12345678UL;
u8 g8 = 250;

void main(void)
{
    s16 a = g16;
    u32 b = g32;
    u8 c = g8;
    a /= 1.0625f;
    put16((u16)a);
    a = g16;
    a *= half;
    put16((u16)a);
    a = -5;
    a *= two + half;
    put16((u16)a);
    b *= two;
    b /= 2.0f;
    put16((u16)b);
    put16((u16)(b >> 16));
    c -= half;
    put8(c);
}
