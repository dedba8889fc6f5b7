// x /= y and x %= y with y of a wider type than x, or of x's width and the other signedness (a cast constant too), divide in the common type, as x = x / y does: not by y cut or reinterpreted in x's type.
#include "../e2e.h"
#include "../e2e_wide.h"

u16 word300 = 300;
u16 word_max = 0xFFFF;
u32 dword_max = 0xFFFF;
u32 dword = 0x10001;

void main(void)
{
    u8 u;
    s8 s;
    u16 w;
    s16 sw;

    u = 200; u /= word300; put8(u);
    u = 200; u %= word300; put8(u);
    s = 3; s /= word_max; put8(s);
    s = 3; s %= dword_max; put8(s);
    sw = 3; sw /= dword_max; put16(sw);
    w = 300; w %= dword; put16(w);
    w = 300; w /= dword; put16(w);
    u = 85; u %= (s8)-64; put8(u);
    u = 200; u /= (s8)-3; put8(u);
    s = -100; s /= (u8)7; put8(s);
    s = -100; s %= (u8)7; put8(s);
}
