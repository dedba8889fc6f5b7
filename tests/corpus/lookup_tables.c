/* Sine, logarithm and thermistor tables in program memory with interpolation. */
#include "vxtypes.h"

static const rom s8 sine_quarter[65] = {
    0, 3, 6, 9, 12, 16, 19, 22, 25, 28, 31, 34, 37, 40, 43, 46,
    49, 51, 54, 57, 60, 63, 65, 68, 71, 73, 76, 78, 81, 83, 85, 88,
    90, 92, 94, 96, 98, 100, 102, 104, 106, 107, 109, 111, 112, 113, 115, 116,
    117, 118, 120, 121, 122, 122, 123, 124, 125, 125, 126, 126, 126, 127, 127, 127,
    127
};

static const rom u16 log2_table[17] = {
    0, 1455, 2866, 4236, 5568, 6863, 8124, 9352, 10549,
    11716, 12855, 13968, 15055, 16117, 17156, 18173, 19168
};

typedef struct {
    u16 adc;
    s16 tenths;
} thermistor_point_t;

static const rom thermistor_point_t thermistor[] = {
    { 50, 1250 }, { 90, 1000 }, { 160, 750 }, { 270, 500 },
    { 420, 250 }, { 512, 150 }, { 600, 50 }, { 700, -50 },
    { 800, -150 }, { 880, -250 }, { 960, -400 }
};

s8 sine(u8 angle)
{
    u8 quadrant = angle >> 6;
    u8 index = angle & 0x3F;

    switch (quadrant) {
    case 0:
        return sine_quarter[index];
    case 1:
        return sine_quarter[64 - index];
    case 2:
        return (s8)-sine_quarter[index];
    default:
        return (s8)-sine_quarter[64 - index];
    }
}

s8 cosine(u8 angle)
{
    return sine((u8)(angle + 64));
}

u16 log2_fixed(u16 x)
{
    u8 exponent = 0;
    u16 fraction;
    u8 index;
    u16 low, high, weight;

    if (x == 0)
        return 0;
    while (x >= 0x200) {
        x >>= 1;
        exponent++;
    }
    while (x < 0x100) {
        x <<= 1;
        exponent--;
    }
    fraction = x - 0x100;
    index = (u8)(fraction >> 4);
    weight = fraction & 0x0F;
    low = log2_table[index];
    high = log2_table[index + 1];
    return (u16)(((u16)(exponent + 8) << 12) | ((low + (((high - low) * weight) >> 4)) >> 3));
}

s16 thermistor_tenths(u16 adc)
{
    u8 i;
    u8 count = ARRAY_SIZE(thermistor);
    s32 span, offset;

    if (adc <= thermistor[0].adc)
        return thermistor[0].tenths;
    for (i = 1; i < count; i++) {
        if (adc <= thermistor[i].adc) {
            span = (s32)thermistor[i].tenths - thermistor[i - 1].tenths;
            offset = (s32)(adc - thermistor[i - 1].adc) * span;
            return (s16)(thermistor[i - 1].tenths + offset / (s32)(thermistor[i].adc - thermistor[i - 1].adc));
        }
    }
    return thermistor[count - 1].tenths;
}

static const rom u8 gamma_table[32] = {
    0, 0, 1, 1, 2, 3, 4, 6, 8, 10, 13, 16, 19, 23, 27, 32,
    37, 42, 48, 54, 61, 68, 76, 84, 93, 102, 112, 122, 133, 144, 156, 169
};

u8 gamma_correct(u8 level)
{
    u8 index = level >> 3;
    u8 fraction = level & 7;
    u8 a = gamma_table[index];
    u8 b = index < 31 ? gamma_table[index + 1] : 255;

    return (u8)(a + (((u16)(b - a) * fraction) >> 3));
}

static const rom char *const rom day_names[7] = {
    "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday", "Sunday"
};

const rom char *day_name(u8 day)
{
    return day < 7 ? day_names[day] : "?";
}

void main(void)
{
    volatile s16 sum = 0;
    u16 i;

    for (i = 0; i < 256; i += 16)
        sum += sine((u8)i) + cosine((u8)i);
    sum += thermistor_tenths(300);
    sum += (s16)log2_fixed(1000);
    sum += gamma_correct(200);
    if (day_name(3)[0] == 'T')
        sum++;
    while (sum)
        ;
}
