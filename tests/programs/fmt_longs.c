/* longs through printf: %ld, %lu, %lx with widths and signs, over values
   that need more than 16 bits, built by multiplication and shifts.  The
   host's long may be wider, so the values stay within 32 bits. */
#include <stdio.h>
#include <stdlib.h>

int main(void)
{
    long v = 1;
    unsigned long u = 1;
    long sum = 0;
    int i;
    for (i = 0; i < 10; i++) {
        v = v * -7 + i;
        u = ((u << 3) ^ (unsigned long)i) & 0xFFFFFFFFUL;
        sum += v;
        printf("%2d %12ld %-11ld| %lu %08lx %#lX\n", i, v, v, u, u, u);
    }
    printf("%ld %+ld %lx\n", sum, -sum, (unsigned long)sum);
    printf("%ld %ld %lu\n", 2147483647L, -2147483647L - 1, 4294967295UL);
    printf("%ld %ld\n", 100000L / 7, -100000L % 7);
    if (sum != 251027815L)
        abort();
    if ((u & 0xFFFFu) != (u % 65536UL))
        abort();
    return (int)(sum & 0x3F);
}
