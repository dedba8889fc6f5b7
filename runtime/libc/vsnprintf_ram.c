#include <stdio.h>

int vsnprintf_ram(char *s, size_t n, const char *format, va_list ap)
{
    return _stdio_format(_STDIO_TO_BUFFER, s, n, (unsigned int)format, ap);
}
