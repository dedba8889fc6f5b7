// Nested loops with break and continue at both levels.
#include "../e2e.h"

u8 grid[4][5] = {
    { 1, 2, 3, 4, 5 },
    { 6, 0, 8, 9, 10 },
    { 11, 12, 13, 0, 15 },
    { 16, 17, 18, 19, 20 }
};

void main(void)
{
    u8 r, c, n, primes;
    u16 sum;

    /* Row sums that stop at the first zero. */
    for (r = 0; r < 4; r++) {
        sum = 0;
        for (c = 0; c < 5; c++) {
            if (grid[r][c] == 0)
                break;
            sum += grid[r][c];
        }
        put16(sum);
    }

    /* Column sums of the odd values only. */
    for (c = 0; c < 5; c++) {
        sum = 0;
        for (r = 0; r < 4; r++) {
            if ((grid[r][c] & 1) == 0)
                continue;
            sum += grid[r][c];
        }
        put8((u8)sum);
    }

    /* Primes below 60 by trial division, with the last one found. */
    primes = 0;
    r = 0;
    for (n = 2; n < 60; n++) {
        for (c = 2; c * c <= n; c++)
            if (n % c == 0)
                break;
        if (c * c <= n)
            continue;
        primes++;
        r = n;
    }
    put8(primes);
    put8(r);

    /* The first cell above 12 ends both loops. */
    n = 0;
    for (r = 0; r < 4; r++) {
        for (c = 0; c < 5; c++) {
            if (grid[r][c] > 12)
                break;
            n++;
        }
        if (c < 5)
            break;
    }
    put8(r);
    put8(c);
    put8(n);
}
