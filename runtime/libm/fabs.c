/* The magnitude of a float: its sign bit cleared, so that NaNs and
   infinities pass through and -0 becomes +0 without a float operation. */

union fabs_bits {
    float f;
    unsigned long u;
};

float fabs(float x)
{
    union fabs_bits v;
    v.f = x;
    v.u &= 0x7FFFFFFFUL;
    return v.f;
}
