#include <ctype.h>
#include <stdlib.h>

/* In int arithmetic of its own rather than through strtol: that saves a
   program the 32-bit multiplications and divisions.  The digits build the
   negative value for a minus sign, so that INT_MIN reads without
   overflowing. */
int atoi(const char *s)
{
    int value = 0;
    unsigned char negative = 0;

    while (isspace(*s))
        s++;
    if (*s == '-' || *s == '+')
        negative = *s++ == '-';
    while (isdigit(*s)) {
        value = value * 10 - (*s++ - '0');
    }
    return negative ? value : -value;
}
