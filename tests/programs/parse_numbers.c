/* Parsing numbers with atoi, atol, strtol and strtoul: signs, leading
   space, bases 2 to 36 and base 0 prefixes, the end pointer, and
   out-of-range values clamped to LONG_MAX and LONG_MIN. */
#include <limits.h>
#include <stdio.h>
#include <stdlib.h>

/* The out-of-range values overflow 64 bits as well, so that a host with a
   wider long clamps them too. */
static char inputs[8][24] = {
    "  -1234xyz", "+077", "0x1fZ", "101101", "zz9", "-99999999999999999999", "99999999999999999999", "   ",
};
static int bases[8] = { 10, 0, 0, 2, 36, 10, 10, 10 };

int main(void)
{
    int i;
    long sum = 0;
    for (i = 0; i < 8; i++) {
        char *end;
        long v = strtol(inputs[i], &end, bases[i]);
        int used = (int)(end - inputs[i]);
        if (v == LONG_MIN || v == LONG_MAX) {
            printf("%d %s %d\n", i, v == LONG_MIN ? "min" : "max", used);
        } else {
            printf("%d %ld %d\n", i, v, used);
            sum += v;
        }
    }
    printf("%d %d %d %ld\n", atoi("42"), atoi("  -17 apples"), atoi("x1"), atol("-100000"));
    printf("%lu %lu %lx\n", strtoul("4294967295", NULL, 10), strtoul("777", NULL, 8),
           strtoul("DeadBeef", NULL, 16));
    {
        char *end;
        long v = strtol("0x", &end, 16);
        printf("%ld %c\n", v, *end);
    }
    printf("%ld\n", sum);
    if (strtol("-0", NULL, 10) != 0 || strtol("1010", NULL, 2) != 10 || atoi("32767") != 32767)
        abort();
    return (int)(sum & 0x7F);
}
