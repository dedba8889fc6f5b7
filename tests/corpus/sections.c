/* Data placement with section pragmas: access RAM, overlays, fixed addresses and ROM tables. */
#include "vxregs.h"

#pragma udata access fast_vars
near u8 fast_flags;
near u8 fast_counter;
near u16 fast_accumulator;

#pragma udata overlay scratch_a
u8 scratch_buffer_a[16];

#pragma udata overlay scratch_b
u8 scratch_buffer_b[16];

#pragma udata big_buffers=0x200
u8 sample_buffer[128];
u8 result_buffer[64];

#pragma udata
u8 general_state;

#pragma idata calibration
s16 offset_calibration = -12;
u16 gain_calibration = 1024;
u8 serial_number[4] = { 0x12, 0x34, 0x56, 0x78 };

#pragma idata

#pragma romdata font_table
const rom u8 font_5x7[][5] = {
    { 0x00, 0x00, 0x00, 0x00, 0x00 },
    { 0x00, 0x00, 0x5F, 0x00, 0x00 },
    { 0x00, 0x07, 0x00, 0x07, 0x00 },
    { 0x14, 0x7F, 0x14, 0x7F, 0x14 },
    { 0x24, 0x2A, 0x7F, 0x2A, 0x12 },
    { 0x23, 0x13, 0x08, 0x64, 0x62 },
    { 0x36, 0x49, 0x55, 0x22, 0x50 },
    { 0x00, 0x05, 0x03, 0x00, 0x00 }
};

#pragma romdata version_info=0x7FF0
const rom char firmware_version[] = "FW 2.04";

#pragma romdata

#pragma varlocate 1 sample_buffer, result_buffer
#pragma varlocate "fast_vars" fast_flags, fast_counter

#pragma code fast_code=0x1000
u16 sum_samples(u8 count)
{
    u16 total = 0;
    u8 i;

    for (i = 0; i < count && i < sizeof sample_buffer; ++i)
        total += sample_buffer[i];
    fast_accumulator = total;
    return total;
}

#pragma code

#pragma tmpdata isr_temporaries
void sampling_isr(void);
#pragma interrupt sampling_isr isr_temporaries save=fast_accumulator

void sampling_isr(void)
{
    if (PIR1bits.ADIF) {
        PIR1bits.ADIF = 0;
        sample_buffer[fast_counter++ & 127] = ADRESH;
        fast_flags |= 0x01;
    }
}
#pragma tmpdata

static void stage_one(void)
{
    u8 i;

    for (i = 0; i < 16; i++)
        scratch_buffer_a[i] = (u8)(sample_buffer[i] >> 1);
    for (i = 0; i < 16; i++)
        result_buffer[i] = (u8)(scratch_buffer_a[i] + (scratch_buffer_a[15 - i] >> 2));
}

static void stage_two(void)
{
    u8 i;

    for (i = 0; i < 16; i++)
        scratch_buffer_b[i] = result_buffer[i] ^ 0x55;
    for (i = 0; i < 16; i++)
        result_buffer[16 + i] = scratch_buffer_b[i];
}

static s16 calibrate(u8 raw)
{
    s32 value = ((s32)raw * gain_calibration) >> 10;

    return (s16)(value + offset_calibration);
}

u8 glyph_column(char c, u8 column)
{
    u8 index = (u8)(c - ' ');

    if (index >= sizeof font_5x7 / sizeof font_5x7[0] || column >= 5)
        return 0;
    return font_5x7[index][column];
}

void main(void)
{
    volatile s16 value;

    general_state = 0;
    fast_counter = 0;
    fast_flags = 0;
    for (;;) {
        if (fast_flags & 0x01) {
            fast_flags &= ~0x01;
            stage_one();
            stage_two();
            value = calibrate(result_buffer[0]);
            value += sum_samples(32);
            value += glyph_column('!', 2);
            if (firmware_version[0] != 'F')
                general_state = (u8)value;
        }
    }
}
