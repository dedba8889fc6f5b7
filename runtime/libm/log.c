/* log and log10 through log2(x) to about 36 bits, which pow shares: with
   x = 2^k m, m within [sqrt(1/2), sqrt(2)], and s = (m - 1) / (m + 1),
   log2(m) = (2/ln2) (s + s^3/3 + s^5/5 ...).  s is carried as a 12-bit
   head and a tail, so that the leading term multiplies exactly and the
   rounding of the quotient and of the series stays in the tail. */

union log_bits {
    float f;
    unsigned long u;
};

/* The low part of the last __vx_log2 result. */
float __vx_log2_low;

/* (log2((1+s)/(1-s)) - (2/ln2) s) / s^3 in s^2 on [0, 0.02944], from
   runtime/libm/coefficients.py: error 2^-33.3 relative to log2. */
rom const float log2_coefficients[4] = {
    0.9617967009544373f, 0.5770797729492188f, 0.4119012653827667f, 0.33658748865127563f
};

/* x with the low 12 bits of its significand cleared: products of two
   such values are exact. */
static float head(float x)
{
    union log_bits v;
    v.f = x;
    v.u &= 0xFFFFF000UL;
    return v.f;
}

/* log2(x) for a finite x > 0 as the returned float plus __vx_log2_low. */
float __vx_log2(float x)
{
    union log_bits v;
    int k;
    float f, s, s_head, f_head, z, p, hi, lo, a;
    signed char i;
    v.f = x;
    k = -127;
    if ((v.u >> 23) == 0) {
        v.f = x * 16777216.0f;
        k -= 24;
    }
    k += (int)(v.u >> 23);
    v.u = (v.u & 0x7FFFFFUL) | 0x3F800000UL;
    if (v.u > 0x3FB504F3UL) {
        v.u -= 0x800000UL;
        k++;
    }
    f = v.f - 1.0f;
    s = f / (2.0f + f);
    s_head = head(s);
    f_head = head(f);
    /* The tail of s from f - s_head (2 + f): f - 2 s_head is exact (2 s
       is within a factor of two of f), and so are both products. */
    lo = ((f - 2.0f * s_head) - s_head * f_head - s_head * (f - f_head)) / (2.0f + f);
    z = s * s;
    p = log2_coefficients[3];
    for (i = 2; i >= 0; i--)
        p = p * z + log2_coefficients[i];
    /* 2/ln2 = 2.884765625 + 0.0006244567921385169. */
    a = 2.884765625f * s_head;
    lo = 2.884765625f * lo + 0.0006244567921385169f * s + s * z * p;
    hi = (float)k + a;
    /* The rounding of k + a; exact as |a| < 1/2 <= |k| unless k = 0. */
    lo += ((float)k - hi) + a;
    a = hi + lo;
    __vx_log2_low = lo - (a - hi);
    return a;
}

/* log2(x) times c_high + c_low, c_high of 12 bits. */
static float logarithm(float x, float c_high, float c_low)
{
    float h, h_head;
    if (x != x)
        return x + x;
    if (x < 0.0f)
        return (x - x) / (x - x);
    if (x == 0.0f)
        return -1.0f / (x * x);
    if (x > 3.40282347e38f)
        return x;
    h = __vx_log2(x);
    h_head = head(h);
    return h_head * c_high + ((h - h_head) * c_high + (h * c_low + __vx_log2_low * c_high));
}

float log(float x)
{
    return logarithm(x, 0.693115234375f, 3.194618329871446e-05f);
}

float log10(float x)
{
    return logarithm(x, 0.301025390625f, 4.605039066518657e-06f);
}
