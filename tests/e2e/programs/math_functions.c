// Polar to rectangular conversion, compound interest, a decibel table and a damped oscillation through the math library; sqrt and fabs, correctly rounded, leave their bits, the others values rounded to fixed point far from a rounding edge.
#ifdef __VxCORE
#include "../../../include/math.h"
#else
#include <math.h>
#endif
#include "../e2e.h"
#include "../e2e_float.h"

/* Rounded to a multiple of 1/scale: a result within a few ulps of the
   host's gives the same integer unless it lies next to a half step. */
void put_fixed(float x, float scale)
{
    x *= scale;
    put32((u32)(s32)(x < 0.0f ? x - 0.5f : x + 0.5f));
}

float radii[2] = { 5.0f, 12.0f };
float degrees[2] = { 53.13f, -100.0f };

void main(void)
{
    u8 i;
    float x, y, angle, balance, level, t;

    /* Polar to rectangular, and the radius back from the components: the
       root is correctly rounded, but x and y are not, so it is compared
       rounded too. */
    for (i = 0; i < 2; i++) {
        angle = degrees[i] * 0.017453292f;
        x = radii[i] * cos(angle);
        y = radii[i] * sin(angle);
        put_fixed(x, 1000.0f);
        put_fixed(y, 1000.0f);
        put_fixed(sqrt(x * x + y * y), 1000.0f);
    }
    put_float(sqrt(2.0f));

    /* 1000.00 at 4.5 % a year compounded monthly for 10 years, in cents. */
    balance = 1000.0f * pow(1.0f + 0.045f / 12.0f, 120.0f);
    put_fixed(balance, 100.0f);
    /* The years to double it, from logarithms. */
    put_fixed(log(2.0f) / (12.0f * log(1.0f + 0.045f / 12.0f)), 100.0f);

    /* Gains of 1, 3 and 9 in decibels. */
    level = 1.0f;
    for (i = 0; i < 3; i++) {
        put_fixed(20.0f * log10(level), 100.0f);
        level *= 3.0f;
    }

    /* A damped oscillation, e^(-t/2) cos(2 pi t), at two instants. */
    for (i = 1; i < 3; i++) {
        t = i * 0.7f;
        put_fixed(exp(-0.5f * t) * cos(6.2831855f * t), 10000.0f);
    }
    put_float(fabs(-0.0f));
    put_fixed(tan(0.6f), 10000.0f);
}
