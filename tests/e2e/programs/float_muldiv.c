// Float multiplication and division over a table of operand pairs: signed zeros, exact and inexact quotients, rounding, products that become subnormal or underflow to zero.
#include "../e2e.h"
#include "../e2e_float.h"

/* Magnitudes stay within 1e-19..1e19 so that no product or quotient of two
   of them overflows, while the smallest ones make subnormal and zero
   results. No divisor is zero. */
float ops[18] = {
    1.0f, -1.0f, 0.1f, 3.0f, -7.0f, 0.5f, 1.0000001f, 0.99999994f,
    16777215.0f, -4096.0f, 1.0e19f, -3.0e-19f, 1.0e-19f, 123.456f,
    -0.33333334f, 1.25f, 65537.0f, 2.7182817f
};
float zeros[2] = { 0.0f, -0.0f };

volatile float v_third = 3.0f;

void main(void)
{
    u8 i, j;
    float a, b, p;

    /* Singled out so that a fault shows which case it is in. */
    put_float(ops[2] * ops[3]);
    put_float(ops[0] / ops[3]);
    put_float(ops[6] * ops[6]);
    put_float(ops[7] / ops[6]);
    put_float(ops[11] * ops[12]);
    put_float(ops[12] * ops[12] * ops[12]);
    put_float(ops[8] * ops[16]);
    put_float(ops[1] / v_third * v_third);

    check = 0;
    for (i = 0; i < 18; i++)
        for (j = 0; j < 18; j++) {
            a = ops[i];
            b = ops[j];
            mix_float(a * b);
        }
    put16(check);

    check = 0;
    for (i = 0; i < 18; i++)
        for (j = 0; j < 18; j++) {
            a = ops[i];
            b = ops[j];
            mix_float(a / b);
        }
    put16(check);

    /* Zeros keep the sign rule of a product or quotient. */
    check = 0;
    for (i = 0; i < 18; i++)
        for (j = 0; j < 2; j++) {
            a = ops[i];
            b = zeros[j];
            mix_float(a * b);
            mix_float(b * a);
            mix_float(b / a);
        }
    put16(check);

    /* Halving down through the subnormals to zero and doubling back up
       loses the low bits one at a time. */
    check = 0;
    p = ops[17];
    for (i = 0; i < 160; i++) {
        p = p * 0.5f;
        mix_float(p);
    }
    for (i = 0; i < 30; i++) {
        p = ops[12] * ops[12] / (float)(i + 1) * 1.0e-3f;
        mix_float(p);
        mix_float(p * 3.0e6f);
    }
    put16(check);

    /* Repeated multiplication and division by the same inexact factor. */
    p = 1.0f;
    for (i = 0; i < 40; i++)
        p = p * ops[2];
    put_float(p);
    for (i = 0; i < 40; i++)
        p = p / ops[2];
    put_float(p);
    p = ops[13];
    for (i = 0; i < 20; i++)
        p = p * ops[14] / ops[17];
    put_float(p);
}
