#include <string.h>

int strncmp_rom(const char *s, const near rom char *t, size_t n)
{
    const unsigned char *a = (const unsigned char *)s;
    const near rom unsigned char *b = (const near rom unsigned char *)t;

    for (; n; n--, a++, b++)
        if (*a != *b || !*a)
            return (int)*a - (int)*b;
    return 0;
}
