// A fixed-point PI controller driving a simulated first-order plant to a set point, with output limits, integrator anti-windup and a running mean of the error.
#include "../e2e.h"

/* Gains in Q4.4: kp = 2.5, ki = 0.25. */
#define KP 40
#define KI 4
#define OUT_MAX 1000
#define OUT_MIN (-1000)

s16 integral;
s16 plant;
s16 error_sum;
u8 steps;

s16 clamp(s16 v, s16 lo, s16 hi)
{
    return v < lo ? lo : v > hi ? hi : v;
}

/* One control step: the output is clamped, and the integrator only grows
   while the output is not held at a limit, so it does not wind up. */
s16 pi_step(s16 setpoint, s16 measured)
{
    s16 error = clamp((s16)(setpoint - measured), -200, 200);
    s16 p = (s16)(error * KP) >> 4;
    s16 candidate = (s16)(integral + error * KI);
    s16 u = (s16)(p + (candidate >> 4));
    s16 limited = clamp(u, OUT_MIN, OUT_MAX);
    if (limited == u)
        integral = clamp(candidate, OUT_MIN * 16 / 2, OUT_MAX * 16 / 2);
    error_sum += error;
    steps++;
    return limited;
}

/* The plant moves an eighth of the way towards the drive each step; the
   division rounds towards zero for both signs. */
void plant_step(s16 drive)
{
    s16 diff = (s16)(drive - plant);
    plant = (s16)(plant + diff / 8);
}

void main(void)
{
    u8 i;
    s16 setpoint = 600;
    for (i = 0; i < 40; i++) {
        if (i == 20)
            setpoint = -250;
        plant_step(pi_step(setpoint, plant));
        if ((i & 7) == 7)
            put16((u16)plant);
    }
    put16((u16)integral);
    put16((u16)(error_sum / (s16)steps));
}
