#include <ctype.h>

int isxdigit(int c)
{
    return isdigit(c) || (unsigned int)((c | 0x20) - 'a') < 6;
}
