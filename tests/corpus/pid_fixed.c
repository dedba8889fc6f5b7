/* Fixed-point PID temperature controller in Q8.8 arithmetic. */
#include "vxregs.h"

typedef s16 q8_8;

#define Q_ONE 256
#define Q(x) ((q8_8)((x) * Q_ONE))
#define Q_MUL(a, b) ((q8_8)(((s32)(a) * (s32)(b)) >> 8))
#define OUT_MAX Q(100)
#define OUT_MIN Q(0)
#define INTEGRAL_LIMIT Q(50)

typedef struct {
    q8_8 kp;
    q8_8 ki;
    q8_8 kd;
    q8_8 setpoint;
    s24 integral;
    q8_8 last_error;
    q8_8 output;
    u8 saturated;
} pid_t;

static pid_t loop;
static q8_8 history[8];
static u8 history_pos;

static q8_8 clamp(s24 value, q8_8 low, q8_8 high)
{
    if (value < low)
        return low;
    if (value > high)
        return high;
    return (q8_8)value;
}

void pid_init(pid_t *p, q8_8 kp, q8_8 ki, q8_8 kd)
{
    p->kp = kp;
    p->ki = ki;
    p->kd = kd;
    p->setpoint = 0;
    p->integral = 0;
    p->last_error = 0;
    p->output = 0;
    p->saturated = 0;
}

q8_8 pid_update(pid_t *p, q8_8 measured)
{
    q8_8 error = p->setpoint - measured;
    q8_8 derivative = error - p->last_error;
    s24 proportional = Q_MUL(p->kp, error);
    s24 result;

    if (!p->saturated || (error > 0) != (p->output > 0)) {
        p->integral += Q_MUL(p->ki, error);
        if (p->integral > INTEGRAL_LIMIT)
            p->integral = INTEGRAL_LIMIT;
        else if (p->integral < -INTEGRAL_LIMIT)
            p->integral = -INTEGRAL_LIMIT;
    }
    result = proportional + p->integral + Q_MUL(p->kd, derivative);
    p->output = clamp(result, OUT_MIN, OUT_MAX);
    p->saturated = p->output != result;
    p->last_error = error;
    return p->output;
}

static u16 read_adc(u8 channel)
{
    ADCON0bits.CHS = channel;
    ADCON0bits.ADON = 1;
    ADCON0bits.GO_DONE = 1;
    while (ADCON0bits.GO_DONE)
        ;
    return MAKE_WORD(ADRESH, ADRESL);
}

static q8_8 adc_to_celsius(u16 raw)
{
    /* 10 mV per degree, 5 V reference, 10-bit converter: 0.488 degrees per count. */
    s32 scaled = (s32)raw * 125;
    return (q8_8)(scaled >> 8);
}

static q8_8 smooth(q8_8 sample)
{
    s24 sum = 0;
    u8 i;

    history[history_pos] = sample;
    history_pos = (history_pos + 1) & 7;
    for (i = 0; i < 8; i++)
        sum += history[i];
    return (q8_8)(sum >> 3);
}

static u8 duty_from_output(q8_8 out)
{
    u16 duty = (u16)((s32)out * 255 / OUT_MAX);

    return duty > 255 ? 255 : (u8)duty;
}

void main(void)
{
    q8_8 temperature;
    q8_8 drive;
    u8 pwm_counter = 0;
    u8 duty = 0;
    u16 ticks = 0;

    TRISB = 0;
    ADCON1 = 0x0E;
    pid_init(&loop, Q(2.5), Q(0.125), Q(1));
    loop.setpoint = Q(60);
    for (;;) {
        if (++ticks >= 500) {
            ticks = 0;
            temperature = smooth(adc_to_celsius(read_adc(0)));
            drive = pid_update(&loop, temperature);
            duty = duty_from_output(drive);
        }
        if (pwm_counter++ < duty)
            LATB |= 0x01;
        else
            LATB &= ~0x01;
    }
}
