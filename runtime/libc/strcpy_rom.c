#include <string.h>

char *strcpy_rom(char *dst, const near rom char *src)
{
    char *d = dst;

    while ((*d++ = *src++) != 0)
        ;
    return dst;
}
