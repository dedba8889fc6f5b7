/* Factorials and powers of two beyond any integer type, in arrays of
   decimal digits: 50!, 2^200, and the digit sums and trailing zeros. */
#include <stdio.h>
#include <stdlib.h>

#define DIGITS 80

static unsigned char num[DIGITS];
static int used;

static void set(int v)
{
    used = 0;
    do {
        num[used++] = (unsigned char)(v % 10);
        v /= 10;
    } while (v != 0);
}

static void times(int k)
{
    int i;
    long carry = 0;
    for (i = 0; i < used; i++) {
        long d = (long)num[i] * k + carry;
        num[i] = (unsigned char)(d % 10);
        carry = d / 10;
    }
    while (carry != 0) {
        if (used == DIGITS)
            abort();
        num[used++] = (unsigned char)(carry % 10);
        carry /= 10;
    }
}

static int show(void)
{
    int i, sum = 0;
    for (i = used - 1; i >= 0; i--) {
        putchar('0' + num[i]);
        sum += num[i];
    }
    putchar('\n');
    return sum;
}

int main(void)
{
    int k, zeros = 0, sum;
    set(1);
    for (k = 2; k <= 50; k++)
        times(k);
    sum = show();
    while (num[zeros] == 0)
        zeros++;
    printf("%d digits, sum %d, %d zeros\n", used, sum, zeros);
    if (used != 65 || zeros != 12)
        abort();
    set(1);
    for (k = 0; k < 200; k++)
        times(2);
    sum = show();
    printf("%d digits, sum %d\n", used, sum);
    set(32767);
    times(32767);
    show();
    return used;
}
