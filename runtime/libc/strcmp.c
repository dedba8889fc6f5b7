#include <string.h>

int strcmp(const char *s, const char *t)
{
    const unsigned char *a = (const unsigned char *)s;
    const unsigned char *b = (const unsigned char *)t;

    while (*a && *a == *b) {
        a++;
        b++;
    }
    return (int)*a - (int)*b;
}
