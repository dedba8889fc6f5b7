/* sin, cos and tan with one argument reduction: x = y + q pi/2 with
   |y| <= pi/4, y carried as a float plus a tail.  The reduction is exact
   for every float: x 2/pi mod 4 comes from the integer significand times
   88 bits of 2/pi taken at the position that x's exponent selects (the
   bits before them only add multiples of 4), so huge arguments lose
   nothing; then y = (x 2/pi - q) pi/2. */

union trig_bits {
    float f;
    unsigned long u;
};

/* 2/pi = 0.A2F9836E... in hexadecimal, from runtime/libm/coefficients.py. */
rom const unsigned char two_over_pi[26] = {
    0xA2, 0xF9, 0x83, 0x6E, 0x4E, 0x44, 0x15, 0x29, 0xFC, 0x27, 0x57, 0xD1, 0xF5,
    0x34, 0xDD, 0xC0, 0xDB, 0x62, 0x95, 0x99, 0x3C, 0x43, 0x90, 0x41, 0xFE, 0x51
};

/* (sin y - y) / y^3 and (cos y - 1 + y^2/2) / y^4 in y^2 on [0, (pi/4)^2],
   from coefficients.py: errors 2^-28 and 2^-30 relative to the result. */
rom const float sin_coefficients[5] = {
    -0.1666666716337204f, 0.008333333767950535f, -0.00019841267203446478f,
    2.7555990982364165e-06f, -2.4805652643067333e-08f
};
rom const float cos_coefficients[5] = {
    0.0416666679084301f, -0.0013888889225199819f, 2.48015858232975e-05f,
    -2.7556370696402155e-07f, 2.0700605674051076e-09f
};

/* The window of 2/pi and x 2/pi mod 4, most significant byte first. */
static unsigned char window[11];
static unsigned char product[11];
static unsigned char quadrant;
static float tail;

static unsigned char two_over_pi_byte(int k)
{
    return k < 0 ? 0 : two_over_pi[k];
}

static float head(float x)
{
    union trig_bits v;
    v.f = x;
    v.u &= 0xFFFFF000UL;
    return v.f;
}

/* y for a finite x, leaving q in quadrant and the tail of y in tail. */
static float reduce(float x)
{
    union trig_bits v;
    unsigned long m, carry, top, low;
    long d, d_rounded;
    int bit, index;
    unsigned char shift, k;
    float r, rest, r_head, y;
    v.f = x;
    tail = 0.0f;
    quadrant = 0;
    if ((v.u & 0x7FFFFFFFUL) < 0x3F490FDBUL)
        return x;
    m = (v.u & 0x7FFFFFUL) | 0x800000UL;
    /* x = m 2^(field - 150); bit b of 2/pi (b = 0 just after the point)
       then weighs m 2^(field - 151 - b), and the first one that weighs
       less than 4 m is b = field - 152, possibly before the point, where
       the bits are zeros. */
    bit = (int)((v.u >> 23) & 0xFF) - 152 + 32;
    index = bit / 8 - 4;
    shift = (unsigned char)(bit % 8);
    for (k = 0; k < 11; k++)
        window[k] = (unsigned char)((((unsigned int)two_over_pi_byte(index + k) << 8) |
                                     two_over_pi_byte(index + k + 1)) >> (8 - shift));
    /* The low 88 bits of m times the window: x 2/pi mod 4 with the top
       two bits as its integer part. */
    carry = 0;
    for (k = 11; k-- > 0;) {
        carry += m * window[k];
        product[k] = (unsigned char)carry;
        carry >>= 8;
    }
    top = (unsigned long)product[0] << 24 | (unsigned long)product[1] << 16 |
          (unsigned int)product[2] << 8 | product[3];
    low = (unsigned long)product[4] << 24 | (unsigned long)product[5] << 16 |
          (unsigned int)product[6] << 8 | product[7];
    /* The nearest quadrant, and the rest in units of 2^-30 and 2^-62. */
    top += 0x20000000UL;
    quadrant = (unsigned char)(top >> 30);
    d = (long)(top & 0x3FFFFFFFUL) - 0x20000000L;
    r = (float)d;
    d_rounded = (long)r;
    rest = ((float)(d - d_rounded) + (float)low * 2.3283064365386963e-10f) * 9.313225746154785e-10f;
    r *= 9.313225746154785e-10f;
    /* y = r pi/2, pi/2 = 1.5703125 + 0.0004838267923332751. */
    r_head = head(r);
    rest += r - r_head;
    v.f = r_head * 1.5703125f;
    tail = rest * 1.5703125f + (r_head + rest) * 0.0004838267923332751f;
    y = v.f + tail;
    tail -= y - v.f;
    if (x < 0.0f) {
        y = -y;
        tail = -tail;
        quadrant = (unsigned char)(4 - quadrant) & 3;
    }
    return y;
}

static float sine(float y)
{
    float z = y * y, p;
    signed char i;
    p = sin_coefficients[4];
    for (i = 3; i >= 0; i--)
        p = p * z + sin_coefficients[i];
    return y + (tail + y * z * p);
}

static float cosine(float y)
{
    float z = y * y, p;
    signed char i;
    p = cos_coefficients[4];
    for (i = 3; i >= 0; i--)
        p = p * z + cos_coefficients[i];
    return 1.0f - (0.5f * z - (z * z * p - y * tail));
}

/* Below 2^-12 the cubic term is under a quarter of the last place. */
static unsigned char tiny(float x)
{
    union trig_bits v;
    v.f = x;
    return (v.u & 0x7FFFFFFFUL) < 0x39800000UL;
}

float sin(float x)
{
    float y;
    if (x - x != 0.0f)
        return x - x;
    if (tiny(x))
        return x;
    y = reduce(x);
    y = quadrant & 1 ? cosine(y) : sine(y);
    return quadrant & 2 ? -y : y;
}

float cos(float x)
{
    float y;
    if (x - x != 0.0f)
        return x - x;
    y = reduce(x);
    y = quadrant & 1 ? sine(y) : cosine(y);
    return (quadrant + 1) & 2 ? -y : y;
}

float tan(float x)
{
    float y, s, c;
    if (x - x != 0.0f)
        return x - x;
    if (tiny(x))
        return x;
    y = reduce(x);
    s = sine(y);
    c = cosine(y);
    return quadrant & 1 ? -c / s : s / c;
}
