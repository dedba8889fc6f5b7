/* floor and ceil by clearing the fraction bits of the representation:
   exact, no float operation, and the sign of a zero result is the
   argument's. */

union floor_bits {
    float f;
    unsigned long u;
};

/* Clears the bits below the binary point.  A value with such bits set
   moves one unit away from zero first when its sign is away_sign (the
   sign bit of the values that rounding makes larger in magnitude); the
   carry out of the fraction then steps the exponent on its own. */
static float to_integer(float x, unsigned long away_sign)
{
    union floor_bits v;
    unsigned long mask;
    int e;
    v.f = x;
    e = (int)((v.u >> 23) & 0xFF) - 127;
    if (e >= 23)
        return x;
    if (e < 0) {
        if ((v.u & 0x7FFFFFFFUL) == 0)
            return x;
        if ((v.u & 0x80000000UL) == away_sign)
            v.u = (v.u & 0x80000000UL) | 0x3F800000UL;
        else
            v.u &= 0x80000000UL;
        return v.f;
    }
    mask = 0x7FFFFFUL >> e;
    if ((v.u & mask) == 0)
        return x;
    if ((v.u & 0x80000000UL) == away_sign)
        v.u += mask + 1;
    v.u &= ~mask;
    return v.f;
}

float floor(float x)
{
    return to_integer(x, 0x80000000UL);
}

float ceil(float x)
{
    return to_integer(x, 0);
}
