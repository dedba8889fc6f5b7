// A dense switch on an unsigned 8-bit value, every case and values on either side of the range.
#include "../e2e.h"

u8 classify(u8 c)
{
    switch (c) {
    case 0:
        return 10;
    case 1:
        return 11;
    case 2:
        return 12;
    case 3:
        return 13;
    case 4:
        return 14;
    case 5:
        return 15;
    case 6:
        return 16;
    case 7:
        return 17;
    case 8:
        return 18;
    case 9:
        return 19;
    }
    return 0xEE;
}

/* A dense range that does not start at zero, with assignments instead of returns. */
u8 letter(u8 c)
{
    u8 r;
    switch (c) {
    case 'a': r = 1; break;
    case 'b': r = 2; break;
    case 'c': r = 3; break;
    case 'd': r = 4; break;
    case 'e': r = 5; break;
    case 'f': r = 6; break;
    default: r = 0; break;
    }
    return r;
}

u8 probes[6] = { 'a' - 1, 'c', 'f', 'g', 255, 128 };

void main(void)
{
    u8 i;
    for (i = 0; i < 12; i++)
        put8(classify(i));
    put8(classify(255));
    put8(classify(128));
    for (i = 0; i < 6; i++)
        put8(letter(probes[i]));
}
