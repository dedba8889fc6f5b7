#include <string.h>

char *strrchr(const char *s, int c)
{
    char ch = (char)c;
    const char *last = NULL;

    for (;; s++) {
        if (*s == ch)
            last = s;
        if (!*s)
            return (char *)last;
    }
}
