#include <string.h>

const near rom char *strchr_rom(const near rom char *s, int c)
{
    char ch = (char)c;

    for (;; s++) {
        if (*s == ch)
            return s;
        if (!*s)
            return NULL;
    }
}
