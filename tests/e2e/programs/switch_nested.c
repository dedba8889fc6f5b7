// Nested switch statements, a switch on a char and on an expression, and a switch with only a default.
#include "../e2e.h"

u8 nested(u8 a, u8 b)
{
    switch (a) {
    case 0:
        switch (b) {
        case 0:
            return 1;
        case 1:
            break;
        default:
            return 2;
        }
        return 3;
    case 1:
        return b ? 4 : 5;
    }
    return 6;
}

s8 digit_value(char c)
{
    switch (c) {
    case '0': case '1': case '2': case '3': case '4':
    case '5': case '6': case '7': case '8': case '9':
        return c - '0';
    case 'a': case 'A':
        return 10;
    case 'f': case 'F':
        return 15;
    case -1:
        return -2;
    }
    return -1;
}

u8 only_default(u8 x)
{
    switch (x) {
    default:
        x += 3;
    }
    return x;
}

char chars[8] = { '0', '7', '9', 'a', 'F', 'g', -1, ' ' };

void main(void)
{
    u8 i, j;
    for (i = 0; i < 3; i++)
        for (j = 0; j < 3; j++)
            put8(nested(i, j * 4 / 3));
    for (i = 0; i < 8; i++)
        put8(digit_value(chars[i]));
    put8(only_default(250));
    /* The controlling expression is computed, not a plain variable. */
    for (i = 0; i < 6; i++) {
        switch ((i * 5 + 1) & 7) {
        case 1: put8(0x10); break;
        case 6: put8(0x60); break;
        case 3: put8(0x30); break;
        default: put8(i); break;
        }
    }
}
