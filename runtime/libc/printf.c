#include <stdio.h>

int printf(const near rom char *format, ...)
{
    /* What va_start(ap, format) would give, without a copy on the stack. */
    return _stdio_format(_STDIO_FORMAT_ROM, NULL, 0, (unsigned int)format, (va_list)&format);
}
