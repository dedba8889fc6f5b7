#include <limits.h>
#include <stdlib.h>

/* A minus sign negates the value in unsigned arithmetic, as for any
   conversion to an unsigned type; only an overflow of the magnitude
   itself gives ULONG_MAX. */
unsigned long strtoul(const char *s, char **end, int base)
{
    unsigned char flags;
    unsigned long magnitude = _strto_magnitude(s, end, base, &flags);

    if ((flags & (_STRTO_NEGATIVE | _STRTO_OVERFLOW)) == _STRTO_NEGATIVE)
        return 0 - magnitude;
    return magnitude;
}
