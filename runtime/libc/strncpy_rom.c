#include <string.h>

char *strncpy_rom(char *dst, const near rom char *src, size_t n)
{
    char *d = dst;

    for (; n && *src; n--)
        *d++ = *src++;
    for (; n; n--)
        *d++ = 0;
    return dst;
}
