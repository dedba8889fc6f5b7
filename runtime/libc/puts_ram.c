#include <stdio.h>

int puts_ram(const char *s)
{
    while (*s)
        putchar(*s++);
    return putchar('\n');
}
