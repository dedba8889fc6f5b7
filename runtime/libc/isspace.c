#include <ctype.h>

/* Space, and tab, line feed, vertical tab, form feed and carriage return,
   which are contiguous. */
int isspace(int c)
{
    return c == ' ' || (unsigned int)(c - '\t') < 5;
}
