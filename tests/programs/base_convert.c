/* Integers written in bases 2 to 36 by hand, read back with strtoul, and
   compared with printf's %o and %X for the bases it knows. */
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

static char digits[] = "0123456789abcdefghijklmnopqrstuvwxyz";
static char out[36];
static char check[36];

static char *to_base(unsigned long v, int base)
{
    char *p = out + sizeof out - 1;
    *p = '\0';
    do {
        *--p = digits[v % (unsigned long)base];
        v /= (unsigned long)base;
    } while (v != 0);
    return p;
}

static unsigned long values[5] = { 0UL, 255UL, 65535UL, 1000000UL, 4294967295UL };

int main(void)
{
    int i, base;
    unsigned total = 0;
    for (i = 0; i < 5; i++) {
        for (base = 2; base <= 36; base++) {
            char *s = to_base(values[i], base);
            if (strtoul(s, NULL, base) != values[i])
                abort();
            total += (unsigned)strlen(s);
            if (base == 2 || base == 7 || base == 36)
                printf("%s ", s);
        }
        sprintf(check, "%lo", values[i]);
        if (strcmp(check, to_base(values[i], 8)) != 0)
            abort();
        sprintf(check, "%lx", values[i]);
        if (strcmp(check, to_base(values[i], 16)) != 0)
            abort();
        printf("| %lX\n", values[i]);
    }
    printf("%u\n", total);
    return (int)(total % 128u);
}
