#include <stdio.h>

int sprintf_ram(char *s, const char *format, ...)
{
    /* What va_start(ap, format) would give, without a copy on the stack. */
    return _stdio_format(_STDIO_TO_BUFFER, s, 0xFFFF, (unsigned int)format, (va_list)&format);
}
