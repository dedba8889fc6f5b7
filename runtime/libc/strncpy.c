#include <string.h>

/* The rest of dst is filled with zeros, and dst is left unterminated when
   src has n or more characters. */
char *strncpy(char *dst, const char *src, size_t n)
{
    char *d = dst;

    for (; n && *src; n--)
        *d++ = *src++;
    for (; n; n--)
        *d++ = 0;
    return dst;
}
