// A fixed-point low-pass filter and moving average in Q8.8 and plain 16-bit arithmetic, as sensor firmware would run them.
// CODESIZE-EXPECT: 00 00 7D 00 67 01 B1 02 4F 04 B9 05 F5 06 0B 08 16 07 40 06 84 05 E0 04 44 06 7B 05 CC 06 F2 05 00 00 F4 01 DC 05 C4 09 DD 09 02 08 19 08 31 08 D8 05 FF 0F FC 03
// CODESIZE-NEEDS: runtime
#include "bench.h"

u16 samples[16] = { 0, 1000, 2000, 3000, 4000, 4000, 4000, 4000, 100, 100, 100, 100, 4095, 0, 4095, 0 };

/* y += (x - y) / 8 on values scaled by 8, kept in signed 16 bits: inputs
   are 12-bit readings, so x * 8 and the difference stay within range. */
s16 lowpass_state;

u16 lowpass(u16 x)
{
    s16 diff = (s16)(x * 8) - lowpass_state;
    lowpass_state += diff / 8;
    return (u16)lowpass_state / 8;
}

/* Moving average over the last four samples. */
u16 window[4];
u8 window_pos;
u16 window_sum;

u16 average(u16 x)
{
    window_sum -= window[window_pos];
    window[window_pos] = x;
    window_sum += x;
    window_pos = (window_pos + 1) & 3;
    return window_sum >> 2;
}

/* Q8.8 scaling: the integer gain 0x0180 is 1.5; the product of a 12-bit
   reading and the gain is formed from byte-sized parts to stay in 16 bits. */
u16 scale_q88(u16 x, u16 gain)
{
    u16 whole = x * (gain >> 8);
    u16 frac = (x >> 4) * (gain & 0xFF) >> 4;
    return whole + frac;
}

void main(void)
{
    u8 i;
    u16 y;
    for (i = 0; i < 16; i++) {
        y = lowpass(samples[i]);
        put16(y);
    }
    for (i = 0; i < 8; i++)
        put16(average(samples[i * 2]));
    put16(scale_q88(1000, 0x0180));
    put16(scale_q88(4095, 0x0100));
    put16(scale_q88(4095, 0x0040));
}
