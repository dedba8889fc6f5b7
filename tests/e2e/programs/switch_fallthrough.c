// Switch statements with fall-through between cases, a default that comes first, and break against continue inside a loop.
#include "../e2e.h"

u8 steps(u8 n)
{
    u8 r = 0;
    switch (n) {
    case 4:
        r += 8;
        /* fall through */
    case 3:
        r += 4;
        /* fall through */
    case 2:
        r += 2;
        /* fall through */
    case 1:
        r += 1;
        break;
    default:
        r = 0x80;
    }
    return r;
}

/* The default comes first and falls into a case. */
u8 middle(u8 n)
{
    u8 r = 0;
    switch (n) {
    default:
        r = 100;
        /* fall through */
    case 10:
        r++;
        break;
    case 20:
    case 21:
        r = 20;
    }
    return r;
}

void main(void)
{
    u8 i, count;
    for (i = 0; i < 6; i++)
        put8(steps(i));
    put8(middle(10));
    put8(middle(20));
    put8(middle(21));
    put8(middle(0));
    /* break leaves the switch, continue goes on with the loop. */
    count = 0;
    for (i = 0; i < 10; i++) {
        switch (i & 3) {
        case 0:
            continue;
        case 1:
            break;
        default:
            count += 10;
            continue;
        }
        count++;
    }
    put8(count);
}
