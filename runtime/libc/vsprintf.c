#include <stdio.h>

int vsprintf(char *s, const near rom char *format, va_list ap)
{
    return _stdio_format(_STDIO_FORMAT_ROM | _STDIO_TO_BUFFER, s, 0xFFFF, (unsigned int)format, ap);
}
