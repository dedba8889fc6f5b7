/* math.h roots, powers, logarithms, exponentials and rounding printed with
   three decimals, with identities checked within a tolerance.  The
   trigonometric functions are in float_trig.c: all of them together do not
   fit in program memory beside printf's float conversions. */
#include <math.h>
#include <stdio.h>
#include <stdlib.h>

static float args[6] = { 0.25f, 1.0f, 2.0f, 3.3f, 7.7f, 12.1f };

static int close_to(float a, float b)
{
    return fabs(a - b) <= 1e-4f * (1.0f + fabs(b));
}

int main(void)
{
    int i, checks = 0;
    printf_use_float();
    for (i = 0; i < 6; i++) {
        float x = args[i];
        printf("%6.2f %7.3f %7.3f %7.3f %8.3f\n", x, (float)sqrt(x), (float)log(x), (float)log10(x * 3.0f),
               (float)exp(x / 4.0f));
        if (!close_to((float)exp(log(x)), x) || !close_to((float)(sqrt(x) * sqrt(x)), x))
            abort();
        if (!close_to((float)pow(x, 1.5f), x * (float)sqrt(x)))
            abort();
        checks += 3;
    }
    printf("%.3f %.3f %.3f\n", (float)pow(2.0f, 10.5f), (float)pow(1.5f, -2.0f), (float)log10(1234.5f));
    printf("%.1f %.1f %.1f %.1f %.2f\n", (float)floor(-2.5f), (float)ceil(-2.5f), (float)floor(7.9f),
           (float)fmod(10.75f, 3.0f), (float)fabs(-0.125f));
    printf("%d %e %g\n", checks, 12345.678f, 0.0001f);
    return (int)floor(pow(2.0f, 6.5f));
}
