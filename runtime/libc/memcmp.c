#include <string.h>

/* The difference is taken in int, since without integer promotion a
   difference of unsigned chars would wrap in 8 bits. */
int memcmp(const void *s, const void *t, size_t n)
{
    const unsigned char *a = (const unsigned char *)s;
    const unsigned char *b = (const unsigned char *)t;

    for (; n; n--, a++, b++)
        if (*a != *b)
            return (int)*a - (int)*b;
    return 0;
}
