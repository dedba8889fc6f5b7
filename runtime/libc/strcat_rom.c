#include <string.h>

char *strcat_rom(char *dst, const near rom char *src)
{
    strcpy_rom(dst + strlen(dst), src);
    return dst;
}
