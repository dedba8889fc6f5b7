// A sparse switch on an unsigned 16-bit value with case labels across the whole range, and a switch on a signed value.
#include "../e2e.h"

u16 codes[12] = { 0, 1, 100, 255, 256, 1000, 32767, 32768u, 50000u, 65534u, 65535u, 7 };

u8 lookup(u16 code)
{
    switch (code) {
    case 1:
        return 1;
    case 255:
        return 2;
    case 256:
        return 3;
    case 1000:
        return 4;
    case 32767:
        return 5;
    case 32768u:
        return 6;
    case 50000u:
        return 7;
    case 0xFFFF:
        return 8;
    default:
        return 0;
    }
}

u8 sign_class(s16 v)
{
    switch (v) {
    case -32767 - 1:
        return 1;
    case -1000:
        return 2;
    case -1:
        return 3;
    case 0:
        return 4;
    case 500:
        return 5;
    }
    return 9;
}

s16 svals[7] = { -32767 - 1, -1000, -999, -1, 0, 500, 32767 };

void main(void)
{
    u8 i;
    for (i = 0; i < 12; i++)
        put8(lookup(codes[i]));
    for (i = 0; i < 7; i++)
        put8(sign_class(svals[i]));
}
