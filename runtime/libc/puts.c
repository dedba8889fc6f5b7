#include <stdio.h>

int puts(const near rom char *s)
{
    while (*s)
        putchar(*s++);
    return putchar('\n');
}
