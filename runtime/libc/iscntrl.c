#include <ctype.h>

int iscntrl(int c)
{
    return (unsigned int)c < 0x20 || c == 0x7F;
}
