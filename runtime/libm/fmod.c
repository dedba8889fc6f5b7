/* The remainder x - n y, n = x / y truncated, by long division of the
   integer significands.  It is always a float (a multiple of the smaller
   unit of x and y, below |y|), so the result is exact. */

union fmod_bits {
    float f;
    unsigned long u;
};

/* The significand of a finite nonzero magnitude with bit 23 set, and its
   exponent: subnormals come out normalized with exponents below 1. */
static unsigned long significand(unsigned long a, int *e)
{
    int field = (int)(a >> 23);
    a &= 0x7FFFFFUL;
    if (field != 0)
        a |= 0x800000UL;
    else
        for (field = 1; !(a & 0x800000UL); field--)
            a <<= 1;
    *e = field;
    return a;
}

float fmod(float x, float y)
{
    union fmod_bits v;
    unsigned long sign, ax, ay, mx, my;
    int ex, ey;
    v.f = x;
    sign = v.u & 0x80000000UL;
    ax = v.u & 0x7FFFFFFFUL;
    v.f = y;
    ay = v.u & 0x7FFFFFFFUL;
    if (ax >= 0x7F800000UL || ay > 0x7F800000UL || ay == 0)
        return (x * y) / (x * y);
    if (ax < ay)
        return x;
    mx = significand(ax, &ex);
    my = significand(ay, &ey);
    for (; ex > ey; ex--) {
        if (mx >= my)
            mx -= my;
        mx <<= 1;
    }
    if (mx >= my)
        mx -= my;
    if (mx == 0) {
        v.u = sign;
        return v.f;
    }
    while (!(mx & 0x800000UL)) {
        mx <<= 1;
        ex--;
    }
    if (ex < 1) {
        mx >>= 1 - ex;
        ex = 0;
    } else {
        mx &= 0x7FFFFFUL;
    }
    v.u = sign | ((unsigned long)ex << 23) | mx;
    return v.f;
}
