#include <string.h>

/* strchr finds the terminating zero of reject too, which ends the span at
   the end of s. */
size_t strcspn(const char *s, const char *reject)
{
    const char *p = s;

    while (!strchr(reject, *p))
        p++;
    return (size_t)(p - s);
}
