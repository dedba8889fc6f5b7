#include <stdio.h>

int snprintf_ram(char *s, size_t n, const char *format, ...)
{
    /* What va_start(ap, format) would give, without a copy on the stack. */
    return _stdio_format(_STDIO_TO_BUFFER, s, n, (unsigned int)format, (va_list)&format);
}
