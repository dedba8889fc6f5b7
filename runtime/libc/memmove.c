#include <string.h>

/* Overlapping blocks: copying downward from the end keeps a source byte
   from being overwritten before it is read when the destination lies
   above the source. */
void *memmove(void *dst, const void *src, size_t n)
{
    unsigned char *d = (unsigned char *)dst;
    const unsigned char *s = (const unsigned char *)src;

    if (d <= s)
        return memcpy(dst, src, n);
    d += n;
    s += n;
    while (n) {
        *--d = *--s;
        n--;
    }
    return dst;
}
