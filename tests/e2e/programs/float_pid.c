// A PID controller in float driving a simulated first-order plant: integral clamping, derivative on the measurement, output limits and conversion to a PWM duty value.
#include "../e2e.h"
#include "../e2e_float.h"

struct pid {
    float kp, ki, kd;
    float integral;
    float last;
    float out_min, out_max;
};

struct pid loop = { 2.0f, 0.35f, 0.8f, 0.0f, 0.0f, -100.0f, 100.0f };

/* The integral is clamped to the output range so that it does not wind up
   while the output is saturated. */
float pid_step(struct pid *c, float setpoint, float measured, float dt)
{
    float error = setpoint - measured;
    float derivative = (measured - c->last) / dt;
    float out;
    c->last = measured;
    c->integral += c->ki * error * dt;
    if (c->integral > c->out_max)
        c->integral = c->out_max;
    else if (c->integral < c->out_min)
        c->integral = c->out_min;
    out = c->kp * error + c->integral - c->kd * derivative;
    if (out > c->out_max)
        out = c->out_max;
    if (out < c->out_min)
        out = c->out_min;
    return out;
}

/* A heater whose temperature follows its drive with losses to the room. */
float plant(float temp, float drive, float ambient)
{
    return temp + 0.05f * drive - 0.02f * (temp - ambient);
}

rom float setpoints[4] = { 60.0f, 60.0f, 35.5f, -5.25f };
float dt = 0.1f;

void main(void)
{
    u8 step, phase;
    float temp = 20.0f, drive, sp;
    u16 duty;
    s8 duty_signed;

    check = 0;
    for (phase = 0; phase < 4; phase++) {
        sp = setpoints[phase];
        for (step = 0; step < 40; step++) {
            drive = pid_step(&loop, sp, temp, dt);
            temp = plant(temp, drive, 20.0f);
            mix_float(drive);
            mix_float(temp);
            mix_float(loop.integral);
            /* Duty in 1/1000 of the full range, rounded half away from zero. */
            duty = (u16)((drive + 100.0f) * 5.0f + 0.5f);
            mix(duty);
            duty_signed = (s8)(drive < 0.0f ? drive * 1.27f - 0.5f : drive * 1.27f + 0.5f);
            mix((u32)duty_signed);
        }
        put_float(temp);
    }
    put16(check);
    put_float(loop.integral);
    put_float(loop.last);
    put16(duty);
    put8((u8)duty_signed);
}
