// for, while and do-while loops counting up and down with 8-bit and 16-bit counters.
#include "../e2e.h"

u8 limit = 100;

void main(void)
{
    u8 i;
    s8 k;
    u16 n;
    u16 sum;
    u8 count;

    sum = 0;
    for (i = 1; i <= limit; i++)
        sum += i;
    put16(sum);

    /* A u8 counter that counts down to zero without going below it. */
    count = 0;
    for (i = 10; i != 0; i--)
        count += i;
    put8(count);

    /* More iterations than a byte can count. */
    count = 0;
    for (n = 0; n < 300; n++)
        count++;
    put8(count);
    put16(n);

    /* A signed counter crossing zero. */
    sum = 0;
    for (k = -5; k <= 5; k += 2)
        sum = sum * 3 + (u8)k;
    put16(sum);

    n = 1;
    while (n < 1000)
        n <<= 1;
    put16(n);

    /* The body of a do-while runs once even when the condition is false. */
    count = 0;
    do {
        count++;
    } while (count > 100);
    put8(count);

    i = 0;
    n = 0;
    do {
        n += i * i;
        i++;
    } while (i < limit / 10);
    put16(n);

    /* A while loop that never runs. */
    while (limit > 200)
        limit--;
    put8(limit);
}
