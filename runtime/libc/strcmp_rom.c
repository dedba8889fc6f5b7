#include <string.h>

int strcmp_rom(const char *s, const near rom char *t)
{
    const unsigned char *a = (const unsigned char *)s;
    const near rom unsigned char *b = (const near rom unsigned char *)t;

    while (*a && *a == *b) {
        a++;
        b++;
    }
    return (int)*a - (int)*b;
}
