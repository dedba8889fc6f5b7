#include <string.h>

int strncmp(const char *s, const char *t, size_t n)
{
    const unsigned char *a = (const unsigned char *)s;
    const unsigned char *b = (const unsigned char *)t;

    for (; n; n--, a++, b++)
        if (*a != *b || !*a)
            return (int)*a - (int)*b;
    return 0;
}
