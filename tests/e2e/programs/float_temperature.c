// Celsius and Fahrenheit tables built in float and stored as tenths of a degree, converted back and forth with rounding to the nearest integer, as a thermostat display would.
#include "../e2e.h"
#include "../e2e_float.h"

float nine_fifths = 1.8f;
float thirty_two = 32.0f;

float to_fahrenheit(float c)
{
    return c * nine_fifths + thirty_two;
}

float to_celsius(float f)
{
    return (f - thirty_two) / nine_fifths;
}

/* Rounds half away from zero, the way the display does; the float's
   own conversion truncates toward zero. */
s16 round_tenths(float t)
{
    t = t * 10.0f;
    return t < 0.0f ? (s16)(t - 0.5f) : (s16)(t + 0.5f);
}

s16 table_f[31];
s16 table_c[31];

void main(void)
{
    u8 i;
    s8 c;
    s16 f;
    float back, worst;

    /* Every 5 degrees Celsius from -40 to 110. */
    check = 0;
    for (i = 0, c = -40; i < 31; i++, c += 5) {
        table_f[i] = round_tenths(to_fahrenheit(c));
        mix((u32)table_f[i]);
        mix_float(to_fahrenheit(c));
    }
    put16(check);
    put16((u16)table_f[0]);
    put16((u16)table_f[12]);
    put16((u16)table_f[30]);

    /* Every 7 degrees Fahrenheit from -49, with fractions of a degree. */
    check = 0;
    for (i = 0, f = -49; i < 31; i++, f += 7) {
        table_c[i] = round_tenths(to_celsius(f + 0.3f));
        mix((u32)table_c[i]);
        mix_float(to_celsius(f));
    }
    put16(check);
    put16((u16)table_c[0]);
    put16((u16)table_c[30]);

    /* A round trip through both formulas, and the largest error found. */
    check = 0;
    worst = 0.0f;
    for (i = 0; i < 31; i++) {
        back = to_celsius(table_f[i] / 10.0f);
        mix_float(back);
        back = back - (s16)(i * 5 - 40);
        if (back < 0.0f)
            back = -back;
        if (back > worst)
            worst = back;
        back = to_fahrenheit(to_celsius(table_c[i] * 0.1f));
        mix_float(back);
    }
    put16(check);
    put_float(worst);
    put_float(to_celsius(98.6f));
    put_float(to_fahrenheit(-273.15f));
    put_float(to_fahrenheit(to_celsius(451.0f)));
}
