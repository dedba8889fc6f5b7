// sprintf of floats in %f, %e and %g with precisions and flags: the target prints the float's exact decimal value rounded as the host does.
#include <stdio.h>
#include "../e2e.h"

char buf[32];
float values[4] = { 3.14159265f, -0.000123456f, 12345.678f, 0.5f };

static void emit(int n)
{
    u8 i;

    put8((u8)n);
    for (i = 0; buf[i] != '\0'; i++)
        put8((u8)buf[i]);
}

void main(void)
{
#ifdef __VxCORE
    printf_use_float();
#endif
    emit(sprintf(buf, "%.3f|%e", values[0], values[1]));
    emit(sprintf(buf, "%g|%+.2e|%.0f", values[2], values[2], values[3]));
    emit(sprintf(buf, "%#.3g|%-8.1f|", values[1], values[0]));
}
