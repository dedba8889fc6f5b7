#include <stdio.h>

int vprintf(const near rom char *format, va_list ap)
{
    return _stdio_format(_STDIO_FORMAT_ROM, NULL, 0, (unsigned int)format, ap);
}
