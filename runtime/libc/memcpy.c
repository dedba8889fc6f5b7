#include <string.h>

/* Unlike memset and memcpy_rom, this stays in C: a copy between two data
   addresses needs a second pointer register beside FSR0, and FSR2 cannot
   serve, since an interrupt routine's frame takes FSR2H as it finds it. */
void *memcpy(void *dst, const void *src, size_t n)
{
    unsigned char *d = (unsigned char *)dst;
    const unsigned char *s = (const unsigned char *)src;

    while (n) {
        *d++ = *s++;
        n--;
    }
    return dst;
}
