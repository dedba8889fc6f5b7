// A variadic function of the program's own hands its arguments to vsnprintf through stdarg, and reads some itself first.
#include <stdarg.h>
#include <stdio.h>
#include "../e2e.h"

char buf[24];
char name[] = "temp";

static void record(u8 limit, const rom char *format, ...)
{
    va_list ap;
    int n;
    u8 i;

    va_start(ap, format);
    n = vsnprintf(buf, limit, format, ap);
    va_end(ap);
    put8((u8)n);
    for (i = 0; buf[i] != '\0'; i++)
        put8((u8)buf[i]);
}

static long total(u8 count, ...)
{
    va_list ap, again;
    long sum = 0;

    va_start(ap, count);
    va_copy(again, ap);
    while (count--)
        sum += va_arg(ap, long);
    sum += va_arg(again, long);
    va_end(again);
    va_end(ap);
    return sum;
}

void main(void)
{
    u8 c = 'x';

    record(sizeof buf, "%s=%d%c", name, (s16)-17, c);
    record(8, "[%6lx]%u", (unsigned long)0xabcdeUL, (u16)9);
    record(sizeof buf, "%ld", total(3, 100000L, -7L, 70000L));
}
