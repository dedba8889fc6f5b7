#include <ctype.h>
#include <limits.h>
#include <stdlib.h>

/* A digit's value in bases up to 36, or 36 for a character that is no
   digit in any base. */
static unsigned char digit_value(char c)
{
    if (isdigit(c))
        return (unsigned char)(c - '0');
    if (isalpha(c))
        return (unsigned char)((c | 0x20) - 'a' + 10);
    return 36;
}

/* Overflow is found without a division per digit: a value above limit
   (ULONG_MAX / base) overflows when multiplied by the base, and one not
   above it overflows only in adding the digit, where the sum wraps below
   the product. */
unsigned long _strto_magnitude(const char *s, char **end, int base, unsigned char *flags)
{
    const char *p = s;
    const char *digits;
    unsigned long value = 0;
    unsigned long limit;
    unsigned long product;
    unsigned char digit;

    *flags = 0;
    while (isspace(*p))
        p++;
    if (*p == '-' || *p == '+') {
        if (*p == '-')
            *flags = _STRTO_NEGATIVE;
        p++;
    }
    if ((base == 0 || base == 16) && p[0] == '0' && (p[1] | 0x20) == 'x' && digit_value(p[2]) < 16) {
        p += 2;
        base = 16;
    } else if (base == 0) {
        base = p[0] == '0' ? 8 : 10;
    }
    digits = p;
    if (base >= 2 && base <= 36) {
        limit = ULONG_MAX / (unsigned int)base;
        while ((digit = digit_value(*p)) < (unsigned char)base) {
            if (value > limit)
                *flags |= _STRTO_OVERFLOW;
            product = value * (unsigned int)base;
            value = product + digit;
            if (value < product)
                *flags |= _STRTO_OVERFLOW;
            p++;
        }
    }
    if (p == digits)
        p = s;
    if (end)
        *end = (char *)p;
    return *flags & _STRTO_OVERFLOW ? ULONG_MAX : value;
}
