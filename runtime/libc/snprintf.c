#include <stdio.h>

int snprintf(char *s, size_t n, const near rom char *format, ...)
{
    /* What va_start(ap, format) would give, without a copy on the stack. */
    return _stdio_format(_STDIO_FORMAT_ROM | _STDIO_TO_BUFFER, s, n, (unsigned int)format, (va_list)&format);
}
