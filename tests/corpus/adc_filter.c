/* Sensor acquisition with moving-average, median and exponential filters. */
#include "vxregs.h"

#define CHANNELS 3
#define WINDOW 8
#define MEDIAN_SIZE 5

typedef struct {
    u16 window[WINDOW];
    u8 position;
    u16 sum;
    u16 median_buffer[MEDIAN_SIZE];
    u8 median_fill;
    u24 ema;
    u16 minimum, maximum;
} channel_filter_t;

static channel_filter_t filters[CHANNELS];

static u16 adc_read(u8 channel)
{
    ADCON0 = (u8)((channel << 2) | 0x01);
    ADCON0bits.GO_DONE = 1;
    while (ADCON0bits.GO_DONE)
        ;
    return ((u16)ADRESH << 8) | ADRESL;
}

static void filter_reset(channel_filter_t *f)
{
    u8 i;

    for (i = 0; i < WINDOW; i++)
        f->window[i] = 0;
    f->position = 0;
    f->sum = 0;
    f->median_fill = 0;
    f->ema = 0;
    f->minimum = 0xFFFF;
    f->maximum = 0;
}

static u16 moving_average(channel_filter_t *f, u16 sample)
{
    f->sum -= f->window[f->position];
    f->window[f->position] = sample;
    f->sum += sample;
    f->position = (u8)((f->position + 1) & (WINDOW - 1));
    return f->sum / WINDOW;
}

static u16 median(channel_filter_t *f, u16 sample)
{
    u16 sorted[MEDIAN_SIZE];
    u8 i, j;
    u16 t;

    for (i = MEDIAN_SIZE - 1; i > 0; --i)
        f->median_buffer[i] = f->median_buffer[i - 1];
    f->median_buffer[0] = sample;
    if (f->median_fill < MEDIAN_SIZE)
        f->median_fill++;
    for (i = 0; i < f->median_fill; i++)
        sorted[i] = f->median_buffer[i];
    for (i = 1; i < f->median_fill; i++) {
        t = sorted[i];
        for (j = i; j > 0 && sorted[j - 1] > t; j--)
            sorted[j] = sorted[j - 1];
        sorted[j] = t;
    }
    return sorted[f->median_fill / 2];
}

static u16 exponential(channel_filter_t *f, u16 sample)
{
    /* alpha = 1/8, state kept with 8 fraction bits */
    u24 target = (u24)sample << 8;

    if (target > f->ema)
        f->ema += (target - f->ema) >> 3;
    else
        f->ema -= (f->ema - target) >> 3;
    return (u16)(f->ema >> 8);
}

static void track_extremes(channel_filter_t *f, u16 value)
{
    if (value < f->minimum)
        f->minimum = value;
    if (value > f->maximum)
        f->maximum = value;
}

u16 process_channel(u8 channel)
{
    channel_filter_t *f = &filters[channel];
    u16 raw = adc_read(channel);
    u16 result;

    result = median(f, raw);
    result = moving_average(f, result);
    result = exponential(f, result);
    track_extremes(f, result);
    return result;
}

void main(void)
{
    u8 channel;
    u16 values[CHANNELS];

    ADCON1 = 0x0C;
    for (channel = 0; channel < CHANNELS; channel++)
        filter_reset(&filters[channel]);
    for (;;) {
        for (channel = 0; channel < CHANNELS; channel++)
            values[channel] = process_channel(channel);
        LATB = (u8)(values[0] >> 2);
        if (values[1] > values[2] + 100)
            LATB |= 0x01;
    }
}
