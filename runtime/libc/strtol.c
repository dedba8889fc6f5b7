#include <limits.h>
#include <stdlib.h>

/* A negative magnitude up to 2^31 reaches LONG_MIN; it is negated in
   unsigned arithmetic, where -(2^31) does not overflow. */
long strtol(const char *s, char **end, int base)
{
    unsigned char flags;
    unsigned long magnitude = _strto_magnitude(s, end, base, &flags);

    if (flags & _STRTO_NEGATIVE) {
        if (magnitude > (unsigned long)LONG_MAX + 1)
            return LONG_MIN;
        return (long)(0 - magnitude);
    }
    if (magnitude > LONG_MAX)
        return LONG_MAX;
    return (long)magnitude;
}
