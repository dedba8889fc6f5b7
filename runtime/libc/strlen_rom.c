#include <string.h>

size_t strlen_rom(const near rom char *s)
{
    const near rom char *p = s;

    while (*p)
        p++;
    return (size_t)(p - s);
}
