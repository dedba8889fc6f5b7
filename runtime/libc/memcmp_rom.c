#include <string.h>

int memcmp_rom(const void *s, const near rom void *t, size_t n)
{
    const unsigned char *a = (const unsigned char *)s;
    const near rom unsigned char *b = (const near rom unsigned char *)t;

    for (; n; n--, a++, b++)
        if (*a != *b)
            return (int)*a - (int)*b;
    return 0;
}
