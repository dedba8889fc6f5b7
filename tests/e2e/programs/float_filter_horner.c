// A first-order low-pass filter over sensor steps and a Horner polynomial over a range of arguments, in float, with coefficients from data and program memory.
#include "../e2e.h"
#include "../e2e_float.h"

/* Raw 12-bit readings: a step up, a plateau, a spike and a step down. */
u16 readings[24] = { 0, 0, 4095, 4095, 4095, 4095, 4095, 4095, 2048, 2048, 2048, 2048,
                     3000, 100, 3000, 100, 4095, 0, 0, 0, 0, 0, 1, 1 };

float alpha = 0.125f;

struct lowpass {
    float state;
    float alpha;
};

/* y += alpha * (x - y), the form a controller uses to keep one multiply. */
float lowpass_step(struct lowpass *lp, float x)
{
    lp->state += lp->alpha * (x - lp->state);
    return lp->state;
}

/* The same filter written as a weighted mean, which rounds differently. */
float weighted_step(float y, float x, float a)
{
    return (1.0f - a) * y + a * x;
}

/* Coefficients of an approximation of 2^x on [0, 1] and of a cubic with
   mixed signs, highest power first. */
rom float exp2_coef[6] = { 0.0018775767f, 0.0089893397f, 0.055826318f,
                           0.24015361f, 0.69315308f, 1.0f };
float cubic_coef[4] = { 2.0f, -3.5f, 0.25f, -7.0f };

float horner_rom(float x)
{
    u8 i;
    float y = exp2_coef[0];
    for (i = 1; i < 6; i++)
        y = y * x + exp2_coef[i];
    return y;
}

float horner(const float *c, u8 n, float x)
{
    float y = *c++;
    while (--n)
        y = y * x + *c++;
    return y;
}

void main(void)
{
    u8 i;
    float x, y2, y3;
    struct lowpass lp;
    s16 whole;

    lp.state = 0.0f;
    lp.alpha = alpha;
    y2 = 0.0f;
    y3 = 0.0f;
    check = 0;
    for (i = 0; i < 24; i++) {
        /* Scale to volts of a 3.3 V reference. */
        x = readings[i] * (3.3f / 4095.0f);
        mix_float(x);
        mix_float(lowpass_step(&lp, x));
        y2 = weighted_step(y2, x, alpha);
        mix_float(y2);
        y3 = y3 + (readings[i] - y3) * 0.3f;
        whole = (s16)(y3 + 0.5f);
        mix((u32)whole);
    }
    put16(check);
    put_float(lp.state);
    put_float(y2);
    put_float(y3);

    /* A long quiet tail decays the filter through many magnitudes. */
    check = 0;
    for (i = 0; i < 200; i++) {
        x = lowpass_step(&lp, 0.0f);
        mix_float(x);
    }
    put16(check);
    put_float(x);

    check = 0;
    for (i = 0; i <= 32; i++) {
        x = i / 32.0f;
        mix_float(horner_rom(x));
        mix_float(horner(cubic_coef, 4, x * 8.0f - 4.0f));
        mix_float(horner(cubic_coef, 4, -x));
    }
    put16(check);
    put_float(horner_rom(0.5f));
    put_float(horner_rom(1.0f));
    put_float(horner(cubic_coef, 4, 1.75f));
    put_float(horner(cubic_coef, 3, 0.1f));
}
