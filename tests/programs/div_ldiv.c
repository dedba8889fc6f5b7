/* Division with negative operands: / and % truncate toward zero on both
   sides, div and ldiv agree with them, abs and labs, and the identity
   (a / b) * b + a % b == a over a grid of values. */
#include <stdio.h>
#include <stdlib.h>

static int as[6] = { 17, -17, 32767, -32767, 0, 5 };
static int bs[5] = { 5, -5, 1, -32767, 7 };

int main(void)
{
    int i, j, checks = 0;
    long la = -1000000L;
    ldiv_t ld;
    for (i = 0; i < 6; i++) {
        for (j = 0; j < 5; j++) {
            int a = as[i], b = bs[j];
            div_t d = div(a, b);
            if (d.quot != a / b || d.rem != a % b || d.quot * b + d.rem != a)
                abort();
            checks++;
            if (j < 2)
                printf("%6d %3d %6d %3d\n", a, b, d.quot, d.rem);
        }
    }
    for (i = 0; i < 4; i++) {
        long b = i % 2 ? -7L - i * 1000L : 13L + i * 97L;
        ld = ldiv(la, b);
        printf("%ld %ld %ld %ld\n", la, b, ld.quot, ld.rem);
        if (ld.quot * b + ld.rem != la || ld.quot != la / b || ld.rem != la % b)
            abort();
        la = -la / 3 + 12345L;
    }
    printf("%d %d %d %ld %ld\n", abs(-32767), abs(0), abs(123), labs(-2147483647L), labs(99L));
    printf("%d\n", checks);
    return checks;
}
