#include <stdio.h>

int vsprintf_ram(char *s, const char *format, va_list ap)
{
    return _stdio_format(_STDIO_TO_BUFFER, s, 0xFFFF, (unsigned int)format, ap);
}
