#include <stdio.h>

int vsnprintf(char *s, size_t n, const near rom char *format, va_list ap)
{
    return _stdio_format(_STDIO_FORMAT_ROM | _STDIO_TO_BUFFER, s, n, (unsigned int)format, ap);
}
