/* Trigonometry from math.h printed with three decimals: a table of sines
   and cosines, tangents, arc tangents over the four quadrants, and the
   identities between them checked within a tolerance. */
#include <math.h>
#include <stdio.h>
#include <stdlib.h>

static int close_to(float a, float b)
{
    return fabs(a - b) <= 2e-4f * (1.0f + fabs(b));
}

int main(void)
{
    int deg, q, checks = 0;
    const float rad = 3.14159265f / 180.0f;
    printf_use_float();
    for (deg = -170; deg <= 160; deg += 35) {
        float x = (float)deg * rad;
        float s = (float)sin(x), c = (float)cos(x);
        printf("%4d %7.3f %7.3f %7.3f\n", deg, s, c, (float)atan2(s, c) / rad);
        if (!close_to(s * s + c * c, 1.0f) || !close_to((float)atan2(s, c), x))
            abort();
        checks++;
    }
    for (q = 0; q < 4; q++) {
        float y = (q & 1) ? -1.5f : 1.5f;
        float x = (q & 2) ? -0.5f : 0.5f;
        printf("%.3f ", (float)atan2(y, x));
    }
    printf("\n%.3f %.3f %.4f\n", (float)tan(0.7f), (float)atan(2.0f), (float)(4.0f * atan(1.0f)));
    if (!close_to((float)tan(0.7f), (float)(sin(0.7f) / cos(0.7f))))
        abort();
    if (!close_to((float)atan(tan(1.2f)), 1.2f))
        abort();
    return checks;
}
