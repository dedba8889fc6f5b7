/* Correctly rounded square root in integer arithmetic: the significand,
   widened so that its root has 25 bits, goes through the digit-by-digit
   method, whose last bit is the rounding bit.  A root never lies halfway
   between two floats (its square would need more than 24 bits), so that
   bit alone decides the rounding. */

union sqrt_bits {
    float f;
    unsigned long u;
};

float sqrt(float x)
{
    union sqrt_bits v;
    unsigned long m, root, rest, trial;
    int e;
    unsigned char i;
    v.f = x;
    if ((v.u & 0x7FFFFFFFUL) == 0)
        return x;
    if (v.u & 0x80000000UL)
        return (x - x) / (x - x);
    e = (int)(v.u >> 23);
    if (e == 0xFF)
        return x;
    m = v.u & 0x7FFFFFUL;
    if (e == 0) {
        e = 1;
        while (!(m & 0x800000UL)) {
            m <<= 1;
            e--;
        }
    } else {
        m |= 0x800000UL;
    }
    /* x = m 2^e with m of 26 bits and e even: the root of m 2^24 then has
       25 bits. */
    e -= 150;
    if (e & 1) {
        m <<= 1;
        e--;
    } else {
        m <<= 2;
        e -= 2;
    }
    root = 0;
    rest = 0;
    for (i = 0; i < 25; i++) {
        rest = (rest << 2) | ((m >> 24) & 3);
        m = (m << 2) & 0x3FFFFFFUL;
        trial = (root << 2) | 1;
        root <<= 1;
        if (rest >= trial) {
            rest -= trial;
            root |= 1;
        }
    }
    /* sqrt(x) = root 2^(e/2 - 12); rounded, the significand may reach
       2^24, and adding it to the exponent field carries that over. */
    v.u = ((unsigned long)(e / 2 + 138) << 23) + ((root + 1) >> 1);
    return v.f;
}
