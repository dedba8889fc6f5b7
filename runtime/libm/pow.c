/* pow(x, y) = 2^(y log2 |x|) with log2 |x| to about 36 bits from
   __vx_log2 and the product formed from 12-bit heads, so that its
   rounding does not grow with |y log2 x| (up to about 150) into the
   result; the sign comes from an odd integral y. */

union pow_bits {
    float f;
    unsigned long u;
};

float __vx_log2(float x);
float __vx_exp2(float hi, float lo);
extern float __vx_log2_low;

#define INF_BITS 0x7F800000UL

static float head(float x)
{
    union pow_bits v;
    v.f = x;
    v.u &= 0xFFFFF000UL;
    return v.f;
}

static float from_bits(unsigned long u)
{
    union pow_bits v;
    v.u = u;
    return v.f;
}

float pow(float x, float y)
{
    union pow_bits v;
    unsigned long ax, ay, m, sign;
    float h, h_head, y_head, lo;
    int e;
    unsigned char integral, odd;
    v.f = x;
    ax = v.u & 0x7FFFFFFFUL;
    sign = v.u & 0x80000000UL;
    v.f = y;
    ay = v.u & 0x7FFFFFFFUL;
    if (ay == 0 || (ax == 0x3F800000UL && sign == 0))
        return 1.0f;
    if (ax > INF_BITS || ay > INF_BITS)
        return x + y;
    /* y = m 2^(e - 23): its bits below the unit, and the unit bit. */
    e = (int)(ay >> 23) - 127;
    m = (ay & 0x7FFFFFUL) | 0x800000UL;
    integral = e >= 0;
    odd = 0;
    if (e >= 0 && e <= 23) {
        integral = (m & ((1UL << (23 - e)) - 1)) == 0;
        odd = integral & (unsigned char)(m >> (23 - e));
    }
    if (!odd)
        sign = 0;
    if (ay == INF_BITS) {
        if (ax == 0x3F800000UL)
            return 1.0f;
        return (ax < 0x3F800000UL) == (y < 0.0f) ? from_bits(INF_BITS) : 0.0f;
    }
    /* Zero and infinite x: 0^y and inf^(-y) are zero for y > 0. */
    if (ax == 0 || ax == INF_BITS) {
        if ((ax == 0) == (y < 0.0f))
            return from_bits(sign | INF_BITS);
        return from_bits(sign);
    }
    if (x < 0.0f && !integral)
        return (x - x) / (x - x);
    h = __vx_log2(from_bits(ax));
    h_head = head(h);
    y_head = head(y);
    lo = (y - y_head) * h_head + (y * (h - h_head) + y * __vx_log2_low);
    v.f = __vx_exp2(y_head * h_head, lo);
    v.u |= sign;
    return v.f;
}
