// Float comparisons as values and as branches over all pairs of a table with equal values, -0.0 and 0.0, neighbouring floats and subnormals; floats as conditions of if, !, && and ||, ?: and loops.
#include "../e2e.h"
#include "../e2e_float.h"

/* Neighbours differ in the last bit only, and the negative ones order
   the other way round from their bits. */
float vals[16] = {
    0.0f, -0.0f, 1.0f, 1.0000001f, 0.99999994f, -1.0f, -1.0000001f, 2.0f,
    -2.0f, 1.4e-45f, -1.4e-45f, 1.0e-40f, 3.0e38f, -3.0e38f, 0.1f, 1.0f
};

/* Each of the six comparisons sets one bit. */
u8 compare_value(float a, float b)
{
    u8 r = 0;
    r |= a < b;
    r |= (a <= b) << 1;
    r |= (a > b) << 2;
    r |= (a >= b) << 3;
    r |= (a == b) << 4;
    r |= (a != b) << 5;
    return r;
}

u8 compare_branch(float a, float b)
{
    u8 r = 0;
    if (a < b)
        r |= 1;
    if (a <= b)
        r |= 2;
    if (a > b)
        r |= 4;
    if (a >= b)
        r |= 8;
    if (a == b)
        r |= 16;
    if (a != b)
        r |= 32;
    if (!(a < b))
        r |= 64;
    if (!(a >= b))
        r |= 128;
    return r;
}

/* A float as a condition is a comparison with zero, and -0.0 is zero.
   As an operand of && and || and as the condition of ?: it is still taken
   as true (tests/e2e/pending/float_negative_zero_truth.c), so truth()
   never sees it; if and ! do see it. */
u8 plain_truth(float f)
{
    u8 r = 0;
    if (f)
        r |= 1;
    if (!f)
        r |= 2;
    if (!!f)
        r |= 4;
    while (f) {
        r |= 8;
        break;
    }
    return r;
}

u8 truth(float f, float g)
{
    u8 r = 0;
    if (f)
        r |= 1;
    if (!f)
        r |= 2;
    if (f && g)
        r |= 4;
    if (f || g)
        r |= 8;
    r |= (u8)(!g << 4);
    r |= (u8)((f ? 1 : 0) << 5);
    r |= (u8)((f && !g) << 6);
    r |= (u8)((!f || g) << 7);
    return r;
}

float big_limit = 1000.0f;

void main(void)
{
    u8 i, j, n;
    float a, b, x;

    /* Singled out so that a fault shows which case it is in. */
    put8(compare_value(vals[0], vals[1]));
    put8(compare_value(vals[1], vals[0]));
    put8(compare_value(vals[2], vals[3]));
    put8(compare_value(vals[5], vals[6]));
    put8(compare_value(vals[9], vals[10]));
    put8(compare_branch(vals[2], vals[15]));
    put8(plain_truth(vals[1]));
    put8(truth(vals[0], vals[9]));
    put8(truth(vals[10], vals[0]));

    check = 0;
    for (i = 0; i < 16; i++)
        for (j = 0; j < 16; j++) {
            a = vals[i];
            b = vals[j];
            mix(compare_value(a, b));
            mix((u32)compare_branch(a, b) << 8);
        }
    put16(check);

    check = 0;
    for (i = 0; i < 16; i++) {
        mix(plain_truth(vals[i]));
        for (j = 0; j < 16; j++)
            if (i != 1 && j != 1)
                mix(truth(vals[i], vals[j]));
    }
    put16(check);

    /* Comparisons with constants, some of them integers converted to
       float, and results used in arithmetic. */
    check = 0;
    for (i = 0; i < 16; i++) {
        a = vals[i];
        mix((a < 1.0f) | (a > -1) << 1 | (a == 0.0f) << 2 | (a != 0) << 3 |
            (0.1f <= a) << 4 | (-0.0f >= a) << 5 | (a == 1) << 6 | (2 > a) << 7);
        n = (u8)(a > 0.5f) + (u8)(a >= 0.0f) + (u8)(a < -0.5f);
        mix(n);
        mix_float(a < 0.0f ? -a : a);
        mix_float(a > 1.0f ? 1.0f : a < -1.0f ? -1.0f : a);
    }
    put16(check);

    /* Largest and smallest by running comparisons. */
    a = vals[0];
    b = vals[0];
    for (i = 1; i < 16; i++) {
        if (vals[i] > a)
            a = vals[i];
        if (vals[i] <= b)
            b = vals[i];
    }
    put_float(a);
    put_float(b);

    /* Loops that end on a float comparison. */
    n = 0;
    for (x = 1.0f; x < big_limit; x = x * 1.5f)
        n++;
    put8(n);
    n = 0;
    x = big_limit;
    while (x) {
        x = x * 0.0625f;
        n++;
    }
    put8(n);
    n = 0;
    x = 0.0f;
    do {
        x = x + vals[14];
        n++;
    } while (x != 1.0f && n < 20);
    put8(n);
    put_float(x);
}
