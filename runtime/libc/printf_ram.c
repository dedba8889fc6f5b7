#include <stdio.h>

int printf_ram(const char *format, ...)
{
    /* What va_start(ap, format) would give, without a copy on the stack. */
    return _stdio_format(0, NULL, 0, (unsigned int)format, (va_list)&format);
}
