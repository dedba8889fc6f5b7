// sprintf of integers of every width with flags, widths and precisions; the text and the counts go to out[].
#include <stdio.h>
#include "../e2e.h"

char buf[40];

static void emit(int n)
{
    u8 i;

    put8((u8)n);
    for (i = 0; buf[i] != '\0'; i++)
        put8((u8)buf[i]);
}

void main(void)
{
    s16 a = -1234;
    u16 b = 0xbeefu;
    long c = -98765L;
    unsigned long d = 0xfedcba98UL;
    s8 e = -7;

    emit(sprintf(buf, "%d|%5d|%-5d|%05d|%+d", a, (s16)42, (s16)42, (s16)-42, (s16)0));
    emit(sprintf(buf, "%x %#X %o %u %hx", b, b, b, b, (short)a));
    emit(sprintf(buf, "%ld %lx %08lu", c, d, 123456UL));
    emit(sprintf(buf, "%hhd %.3d %c", e, (s16)5, 'Q'));
}
