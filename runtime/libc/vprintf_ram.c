#include <stdio.h>

int vprintf_ram(const char *format, va_list ap)
{
    return _stdio_format(0, NULL, 0, (unsigned int)format, ap);
}
