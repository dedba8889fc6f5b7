#include <string.h>

/* At most n characters of src are appended, and then a terminating zero
   always. */
char *strncat(char *dst, const char *src, size_t n)
{
    char *d = dst + strlen(dst);

    for (; n && *src; n--)
        *d++ = *src++;
    *d = 0;
    return dst;
}
