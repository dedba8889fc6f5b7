/* Shared by the end-to-end programs that compute in float, after e2e.h:
   the wide types and checksum, and a float's bits as results. */
#ifndef E2E_FLOAT_H
#define E2E_FLOAT_H

#include "e2e_wide.h"

/* Float results leave as their bits so that host and target are compared
   to the last bit of rounding, and a zero's sign counts. */
union fbits {
    float f;
    u32 u;
};

u32 float_bits(float f)
{
    union fbits b;
    b.f = f;
    return b.u;
}

void mix_float(float f)
{
    mix(float_bits(f));
}

void put_float(float f)
{
    put32(float_bits(f));
}

#endif
