// Every compound assignment operator on 8- and 16-bit variables, array elements and objects reached through pointers.
#include "../e2e.h"

u8 bytes[3] = { 250, 17, 0x0F };
s16 words[2] = { -1000, 30000 };

void through_pointer(u16 *p, s8 *q)
{
    *p += 1000;
    *p <<= 2;
    *p ^= 0x5555;
    *q -= 100;
    *q *= 3;
}

void main(void)
{
    u8 a = 250;
    s8 b = -100;
    u16 c = 300;
    s16 d = -1234;
    u8 i = 1;

    a += 10; put8(a);
    a -= 20; put8(a);
    a *= 7; put8(a);
    a /= 3; put8(a);
    a %= 7; put8(a);
    a |= 0xC0; put8(a);
    a &= 0x8F; put8(a);
    a ^= 0xFF; put8(a);
    a <<= 3; put8(a);
    a >>= 2; put8(a);

    b -= 50; put8(b);
    b += 120; put8(b);
    b *= -2; put8(b);
    b /= 5; put8(b);
    b %= 7; put8(b);

    c *= 300; put16(c);
    c /= 7; put16(c);
    c %= 1000; put16(c);
    c += 65000u; put16(c);
    c >>= 3; put16(c);

    d *= 20; put16(d);
    d /= -7; put16(d);
    d %= 100; put16(d);
    d -= 32000; put16(d);
    d &= 0x7FF0; put16(d);

    bytes[i] += bytes[i - 1];
    bytes[i + 1] <<= 4;
    bytes[0] |= bytes[2];
    put8(bytes[0]); put8(bytes[1]); put8(bytes[2]);
    words[i] -= words[0];
    words[0] *= -3;
    put16(words[0]); put16(words[1]);

    c = 0x0102;
    through_pointer(&c, &b);
    put16(c);
    put8(b);
}
