// Newton square roots over a range of magnitudes, checked against their squares, and a running mean and variance of a sample stream kept in float.
#include "../e2e.h"
#include "../e2e_float.h"

float roots_of[14] = { 2.0f, 0.25f, 1.0f, 1.0e-6f, 3.0e-30f, 1.0e30f, 16777215.0f,
                       0.1f, 9.0f, 123456.0f, 1.0e-38f, 7.0f, 0.5f, 1.0e12f };

/* A fixed number of steps from a start built from the exponent, so that
   the iteration cannot hang; the last steps stay put or flip between two
   neighbours, and both sides must take the same ones. */
float newton_sqrt(float a)
{
    float x = 1.0f;
    float y = a;
    u8 i;
    if (a == 0.0f)
        return 0.0f;
    while (y >= 4.0f) {
        y = y * 0.25f;
        x = x * 2.0f;
    }
    while (y < 0.25f) {
        y = y * 4.0f;
        x = x * 0.5f;
    }
    for (i = 0; i < 8; i++)
        x = 0.5f * (x + a / x);
    return x;
}

/* Welford's running mean and variance, which stays accurate where the
   sum-of-squares form cancels. */
struct stats {
    u16 n;
    float mean;
    float m2;
};

void stats_add(struct stats *s, float x)
{
    float delta;
    s->n++;
    delta = x - s->mean;
    s->mean += delta / s->n;
    s->m2 += delta * (x - s->mean);
}

float stats_variance(const struct stats *s)
{
    return s->n > 1 ? s->m2 / (s->n - 1) : 0.0f;
}

s16 stream[20] = { 512, 515, 509, 511, 530, 490, 512, 512, 513, 511,
                   -100, 1000, 505, 520, 512, 512, 500, 524, 511, 513 };

void main(void)
{
    u8 i;
    float r, a, sum, sumsq;
    struct stats st;

    put_float(newton_sqrt(roots_of[0]));
    put_float(newton_sqrt(roots_of[4]));
    put_float(newton_sqrt(roots_of[10]));

    check = 0;
    for (i = 0; i < 14; i++) {
        a = roots_of[i];
        r = newton_sqrt(a);
        mix_float(r);
        mix_float(r * r);
        mix_float(r * r - a);
        mix_float(newton_sqrt(a * 4.0f) - 2.0f * r);
    }
    for (i = 0; i < 50; i++)
        mix_float(newton_sqrt(i));
    put16(check);

    st.n = 0;
    st.mean = 0.0f;
    st.m2 = 0.0f;
    sum = 0.0f;
    sumsq = 0.0f;
    check = 0;
    for (i = 0; i < 20; i++) {
        /* Offset readings in millivolts, with two outliers. */
        a = stream[i] * 0.001f + 2.5f;
        stats_add(&st, a);
        mix_float(st.mean);
        mix_float(st.m2);
        mix_float(stats_variance(&st));
        sum += a;
        sumsq += a * a;
    }
    put16(check);
    put_float(st.mean);
    put_float(stats_variance(&st));
    put_float(newton_sqrt(stats_variance(&st)));
    /* The naive form for comparison: it loses most of its digits. */
    put_float(sum / 20);
    put_float((sumsq - sum * sum / 20) / 19);
}
