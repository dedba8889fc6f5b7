#include <string.h>

char *strstr_rom(const char *s, const near rom char *t)
{
    size_t i;

    for (;; s++) {
        for (i = 0; t[i] && s[i] == t[i]; i++)
            ;
        if (!t[i])
            return (char *)s;
        if (!*s)
            return NULL;
    }
}
