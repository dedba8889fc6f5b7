/* Fixed-point arithmetic in Q8.8 (int) and Q16.16 (long): products,
   quotients, a square root by Newton's method, and a series for e,
   printed as decimals with integer arithmetic only. */
#include <stdio.h>
#include <stdlib.h>

typedef long q16;

#define Q16_ONE 65536L

static q16 q16_mul(q16 a, q16 b)
{
    /* Split so that no partial product overflows 32 bits. */
    long ah = a >> 16, bh = b >> 16;
    unsigned long al = (unsigned long)a & 0xFFFFUL, bl = (unsigned long)b & 0xFFFFUL;
    return ah * bh * Q16_ONE + ah * (long)bl + (long)al * bh + (long)((al * bl) >> 16);
}

static q16 q16_div(q16 a, q16 b)
{
    /* Long division, one quotient bit at a time, for non-negative operands. */
    unsigned long rem = (unsigned long)a, quo = 0;
    unsigned long d = (unsigned long)b;
    int i;
    quo = rem / d;
    rem = rem % d;
    for (i = 0; i < 16; i++) {
        rem <<= 1;
        quo <<= 1;
        if (rem >= d) {
            rem -= d;
            quo |= 1;
        }
    }
    return (q16)quo;
}

static q16 q16_sqrt(q16 a)
{
    q16 x = a > Q16_ONE ? a / 2 : Q16_ONE;
    int i;
    for (i = 0; i < 20; i++)
        x = (x + q16_div(a, x)) / 2;
    return x;
}

static void show(q16 v)
{
    unsigned long frac = (unsigned long)(v < 0 ? -v : v) & 0xFFFFUL;
    printf("%s%ld.%04ld ", v < 0 ? "-" : "", (v < 0 ? -v : v) >> 16, (long)((frac * 10000UL + 32768UL) >> 16));
}

int main(void)
{
    int a = 3 * 256 + 128, b = -(2 * 256 + 64);
    int prod = (int)(((long)a * b) / 256);
    int quot = (int)(((long)a * 256) / b);
    q16 e = Q16_ONE, term = Q16_ONE, r;
    int n;
    printf("%d %d %d %d\n", a, b, prod, quot);
    for (n = 1; n < 12; n++) {
        term = term / n;
        e += term;
    }
    show(e);
    show(q16_sqrt(2 * Q16_ONE));
    show(q16_sqrt(10 * Q16_ONE));
    show(q16_mul(3 * Q16_ONE + Q16_ONE / 4, -5 * Q16_ONE / 2));
    show(q16_div(22 * Q16_ONE, 7 * Q16_ONE));
    printf("\n");
    r = q16_sqrt(49 * Q16_ONE);
    if (r < 7 * Q16_ONE - 2 || r > 7 * Q16_ONE + 2)
        abort();
    if (q16_mul(q16_div(Q16_ONE, 3 * Q16_ONE), 3 * Q16_ONE) < Q16_ONE - 4)
        abort();
    return (int)(e >> 12);
}
