#include <ctype.h>

/* Subtracting the first code and comparing unsigned tests both bounds at
   once: values below it, EOF among them, wrap to large numbers. */
int isdigit(int c)
{
    return (unsigned int)(c - '0') < 10;
}
