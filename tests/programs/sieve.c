/* The sieve of Eratosthenes over a bit array up to 2000: the count of
   primes, the twin primes, the largest prime gap, and a check of every
   result by trial division. */
#include <stdio.h>
#include <stdlib.h>

#define LIMIT 2000

static unsigned char composite[LIMIT / 8 + 1];

static int is_composite(int n)
{
    return (composite[n >> 3] >> (n & 7)) & 1;
}

static int trial(int n)
{
    int d;
    if (n < 2)
        return 0;
    for (d = 2; d * d <= n; d++)
        if (n % d == 0)
            return 0;
    return 1;
}

int main(void)
{
    int i, j, count = 0, twins = 0, last = 2, gap = 0, gap_at = 0;
    long sum = 0;
    composite[0] = 3;
    for (i = 2; i * i < LIMIT; i++)
        if (!is_composite(i))
            for (j = i * i; j < LIMIT; j += i)
                composite[j >> 3] |= (unsigned char)(1u << (j & 7));
    for (i = 2; i < LIMIT; i++) {
        if (is_composite(i) == trial(i))
            abort();
        if (is_composite(i))
            continue;
        count++;
        sum += i;
        if (i - last > gap) {
            gap = i - last;
            gap_at = last;
        }
        if (i - last == 2)
            twins++;
        last = i;
        if (count <= 25)
            printf("%d%c", i, count % 25 == 0 ? '\n' : ' ');
    }
    printf("%d primes, sum %ld, %d twin pairs, gap %d after %d, last %d\n", count, sum, twins, gap,
           gap_at, last);
    if (count != 303)
        abort();
    return count - 300;
}
