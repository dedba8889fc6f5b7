#include <ctype.h>

/* Setting bit 5 maps the upper-case letters onto the lower-case ones and
   no character outside the letters onto them. */
int isalpha(int c)
{
    return (unsigned int)((c | 0x20) - 'a') < 26;
}
