/* atan and atan2.  |x| is brought to |t| <= tan(pi/8) by
   atan(a) = pi/4 + atan((a - 1) / (a + 1)) or pi/2 + atan(-1/a), and
   atan(t) = t + t^3 P(t^2); the multiple of pi/4 is added in two parts so
   that its rounding does not reach the result. */

union atan_bits {
    float f;
    unsigned long u;
};

/* (atan t - t) / t^3 in t^2 on [0, (sqrt(2) - 1)^2], from
   runtime/libm/coefficients.py: error 2^-29 relative to atan. */
rom const float atan_coefficients[8] = {
    -0.3333333432674408f, 0.20000000298023224f, -0.14285707473754883f, 0.11110819876194f,
    -0.09084101766347885f, 0.07604800909757614f, -0.060273122042417526f, 0.03295687958598137f
};

/* pi/4 = 0.78515625 + 0.00024191339616663754. */
#define QUARTER_PI_HIGH 0.78515625f
#define QUARTER_PI_LOW 0.00024191339616663754f

/* atan of a finite or infinite a >= 0. */
static float arctangent(float a)
{
    float t, z, p, high, low;
    signed char i;
    high = 0.0f;
    low = 0.0f;
    t = a;
    if (a > 2.4142135f) {
        t = -1.0f / a;
        high = 2.0f * QUARTER_PI_HIGH;
        low = 2.0f * QUARTER_PI_LOW;
    } else if (a > 0.41421357f) {
        t = (a - 1.0f) / (a + 1.0f);
        high = QUARTER_PI_HIGH;
        low = QUARTER_PI_LOW;
    }
    z = t * t;
    p = atan_coefficients[7];
    for (i = 6; i >= 0; i--)
        p = p * z + atan_coefficients[i];
    return high + (t + (low + t * z * p));
}

static float with_sign_of(float magnitude, float x)
{
    union atan_bits v, s;
    v.f = magnitude;
    s.f = x;
    v.u |= s.u & 0x80000000UL;
    return v.f;
}

static float magnitude(float x)
{
    union atan_bits v;
    v.f = x;
    v.u &= 0x7FFFFFFFUL;
    return v.f;
}

float atan(float x)
{
    if (x != x)
        return x + x;
    return with_sign_of(arctangent(magnitude(x)), x);
}

/* The angle of (x, y): atan(|y| / |x|), mirrored into the left half plane
   as pi - angle (pi in two parts again), with y's sign.  Both infinite
   gives the diagonal, which the quotient cannot. */
float atan2(float y, float x)
{
    float ay, ax, angle;
    union atan_bits v;
    if (x != x || y != y)
        return x + y;
    ay = magnitude(y);
    ax = magnitude(x);
    if (ay > 3.40282347e38f && ax > 3.40282347e38f)
        angle = QUARTER_PI_HIGH + QUARTER_PI_LOW;
    else if (ay == 0.0f)
        angle = 0.0f;
    else
        angle = arctangent(ay / ax);
    v.f = x;
    if (v.u & 0x80000000UL)
        angle = 4.0f * QUARTER_PI_HIGH + (4.0f * QUARTER_PI_LOW - angle);
    return with_sign_of(angle, y);
}
