#include <string.h>

/* The terminating zero belongs to the string, so searching for 0
   finds the end. */
char *strchr(const char *s, int c)
{
    char ch = (char)c;

    for (;; s++) {
        if (*s == ch)
            return (char *)s;
        if (!*s)
            return NULL;
    }
}
