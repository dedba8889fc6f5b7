/* Greatest common divisors by Euclid and by the binary method, least
   common multiples in long, a table of gcds, and the lcm of 1..20. */
#include <stdio.h>
#include <stdlib.h>

static unsigned gcd(unsigned a, unsigned b)
{
    while (b != 0) {
        unsigned t = a % b;
        a = b;
        b = t;
    }
    return a;
}

static unsigned binary_gcd(unsigned a, unsigned b)
{
    int shift = 0;
    if (a == 0)
        return b;
    if (b == 0)
        return a;
    while (((a | b) & 1u) == 0) {
        a >>= 1;
        b >>= 1;
        shift++;
    }
    while ((a & 1u) == 0)
        a >>= 1;
    do {
        while ((b & 1u) == 0)
            b >>= 1;
        if (a > b) {
            unsigned t = a;
            a = b;
            b = t;
        }
        b -= a;
    } while (b != 0);
    return a << shift;
}

static unsigned long lcm(unsigned long a, unsigned long b)
{
    unsigned long x = a, y = b;
    while (y != 0) {
        unsigned long t = x % y;
        x = y;
        y = t;
    }
    return a / x * b;
}

int main(void)
{
    unsigned i, j;
    unsigned long l = 1;
    int coprime = 0;
    printf("   ");
    for (j = 1; j <= 12; j++)
        printf("%3u", j);
    printf("\n");
    for (i = 1; i <= 12; i++) {
        printf("%3u", i);
        for (j = 1; j <= 12; j++) {
            unsigned g = gcd(i * 6, j * 4);
            if (g != binary_gcd(i * 6, j * 4))
                abort();
            printf("%3u", g);
            coprime += gcd(i, j) == 1;
        }
        printf("\n");
    }
    for (i = 1; i <= 20; i++)
        l = lcm(l, i);
    printf("%d %lu %u %u\n", coprime, l, gcd(65535u, 4369u), binary_gcd(46368u, 28657u));
    if (l != 232792560UL)
        abort();
    return coprime;
}
