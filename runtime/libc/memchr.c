#include <string.h>

void *memchr(const void *s, int c, size_t n)
{
    const unsigned char *p = (const unsigned char *)s;
    unsigned char byte = (unsigned char)c;

    for (; n; n--, p++)
        if (*p == byte)
            return (void *)p;
    return NULL;
}
