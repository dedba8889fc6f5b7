#include <string.h>

static char *next;

char *strtok(char *s, const char *delimiters)
{
    char *token;

    if (!s)
        s = next;
    if (!s)
        return NULL;
    s += strspn(s, delimiters);
    if (!*s) {
        next = NULL;
        return NULL;
    }
    token = s;
    s += strcspn(s, delimiters);
    if (*s)
        *s++ = 0;
    else
        s = NULL;
    next = s;
    return token;
}
