/* exp, and 2^(hi + lo), which pow shares: x log2(e) is formed to about
   36 bits (the 12-bit high halves of x and of log2(e) multiply exactly),
   so that the rounding of the product does not grow with |x| into the
   result.  2^(n + r), n the nearest integer, is then a polynomial in r
   for |r| <= 1/2, scaled by 2^n in the exponent. */

union exp_bits {
    float f;
    unsigned long u;
};

/* (2^r - 1) / r on [-0.502, 0.502], from runtime/libm/coefficients.py:
   relative error 2^-28.6 in 2^r. */
rom const float exp2_coefficients[7] = {
    0.6931471824645996f, 0.24022650718688965f, 0.05550410971045494f, 0.009618055075407028f,
    0.0013333501992747188f, 0.00015461909060832113f, 1.5297680874937214e-05f
};

static float power_of_two(int n)
{
    union exp_bits v;
    v.u = (unsigned long)(n + 127) << 23;
    return v.f;
}

/* hi must lie within 1 of every integer near it with hi - n exact, as any
   float below 2^23 does, and |lo| below 1/4. */
float __vx_exp2(float hi, float lo)
{
    float s, r, p;
    int n;
    signed char i;
    s = hi + lo;
    /* Beyond these the result overflows or rounds to zero; the products
       raise the flags that say so. */
    if (s > 128.0f)
        return power_of_two(127) * power_of_two(127);
    if (s < -151.0f)
        return power_of_two(-126) * power_of_two(-126);
    n = (int)(s < 0.0f ? s - 0.5f : s + 0.5f);
    r = (hi - (float)n) + lo;
    p = exp2_coefficients[6];
    for (i = 5; i >= 0; i--)
        p = p * r + exp2_coefficients[i];
    p = 1.0f + r * p;
    if (n > 127) {
        p = p + p;
        n--;
    }
    /* Below the normal range the scaling happens in two steps, of which
       only the last one rounds. */
    if (n < -126)
        return p * power_of_two(n + 100) * power_of_two(-100);
    return p * power_of_two(n);
}

float exp(float x)
{
    union exp_bits v;
    float high;
    if (x != x)
        return x + x;
    if (x > 100.0f)
        return __vx_exp2(200.0f, 0.0f);
    if (x < -110.0f)
        return __vx_exp2(-200.0f, 0.0f);
    v.f = x;
    v.u &= 0xFFFFF000UL;
    high = v.f;
    /* log2(e) = 1.4423828125 + 0.00031222839606925845, the first part of
       12 bits. */
    return __vx_exp2(high * 1.4423828125f,
                     (x - high) * 1.4423828125f + x * 0.00031222839606925845f);
}
