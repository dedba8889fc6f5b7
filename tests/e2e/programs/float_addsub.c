// Float addition, subtraction and negation over a table of operand pairs: cancellation, signed zeros, rounding ties, absorption, huge, tiny and subnormal magnitudes.
#include "../e2e.h"
#include "../e2e_float.h"

/* Pairs of these never sum beyond the largest float, and the subnormals
   and the smallest normals make results whose exponent must go below the
   normal range. */
float ops[20] = {
    0.0f, -0.0f, 1.0f, -1.0f, 0.1f, 0.2f, -0.3f, 3.0f,
    1.0000001f, 16777216.0f, -16777215.0f, 1.0e30f, -1.5e38f, 1.5e38f,
    1.2e-38f, -1.17549435e-38f, 1.0e-40f, 1.4e-45f, 123456.789f, -0.33333334f
};

volatile float v_one = 1.0f;
volatile float v_big = 16777216.0f;

void main(void)
{
    u8 i, j;
    float a, b, sum;

    /* Singled out so that a fault shows which case it is in. */
    put_float(ops[4] + ops[5]);
    put_float(ops[8] - ops[2]);
    put_float(ops[0] + ops[1]);
    put_float(ops[1] + ops[1]);
    put_float(ops[2] - ops[2]);
    put_float(ops[14] + ops[15]);
    /* 2^24 + 1 and 2^24 + 3 are ties between two floats: they go to the
       even one, down and up. */
    put_float(v_big + v_one);
    put_float(v_big + (v_one + v_one + v_one));

    check = 0;
    for (i = 0; i < 20; i++)
        for (j = 0; j < 20; j++) {
            a = ops[i];
            b = ops[j];
            mix_float(a + b);
        }
    put16(check);

    check = 0;
    for (i = 0; i < 20; i++)
        for (j = 0; j < 20; j++) {
            a = ops[i];
            b = ops[j];
            mix_float(a - b);
        }
    put16(check);

    /* Negation must flip the sign of zeros too, which 0 - x does not. */
    check = 0;
    for (i = 0; i < 20; i++) {
        a = ops[i];
        mix_float(-a);
        mix_float(0.0f - a);
        mix_float(a + 1.0f);
        mix_float(2.5f - a);
        mix_float(-a - -a);
        mix_float((a + 0.1f) - 0.1f);
    }
    put16(check);

    /* A running sum lets every rounding error carry into the next step. */
    sum = 0.0f;
    for (i = 0; i < 20; i++) {
        if (i == 12 || i == 13)
            continue;
        sum = sum + ops[i];
        sum = sum - ops[(u8)(i * 7) % 20] * 0.0f;
    }
    put_float(sum);
    sum = 0.0f;
    for (i = 0; i < 100; i++)
        sum = sum + ops[4];
    put_float(sum);
}
