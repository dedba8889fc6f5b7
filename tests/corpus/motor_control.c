/* Stepper-motor ramp controller: static parameters, overlay locals, function
 * pointers, pointer arithmetic over tables in program memory, goto-based
 * error exits and do-while polling. */
#include "vxregs.h"

#define STEPS 8
#define RAMP_LEN 6

typedef enum { IDLE, ACCEL, CRUISE, DECEL } phase_t;

typedef struct {
    s16 position;
    s16 target;
    u8 speed;
    phase_t phase;
    unsigned enabled : 1;
    unsigned reverse : 1;
    unsigned fault : 2;
} motor_t;

typedef u8 (*step_fn)(u8 index);

static const rom u8 step_table[STEPS] = { 0x01, 0x03, 0x02, 0x06, 0x04, 0x0C, 0x08, 0x09 };
static const rom u16 ramp[RAMP_LEN] = { 4000, 2500, 1800, 1400, 1200, 1100 };
static const rom char fault_text[] = "fault";

motor_t axis;
u8 step_index;
u16 delay_count;

static u8 forward_step(u8 index)
{
    return (u8)((index + 1) & (STEPS - 1));
}

static u8 backward_step(u8 index)
{
    return (u8)((index - 1) & (STEPS - 1));
}

static void wait_ticks(static u16 ticks)
{
    do {
        --ticks;
        delay_count++;
    } while (ticks != 0);
}

static u16 ramp_delay(u8 stage)
{
    overlay const rom u16 *p;
    p = ramp;
    if (stage >= RAMP_LEN)
        stage = RAMP_LEN - 1;
    p += stage;
    return *p;
}

static void report(const rom char *text, u8 code)
{
    while (*text) {
        TXREG = (u8)*text;
        text++;
    }
    TXREG = (u8)('0' + code);
}

u8 move_to(s16 target)
{
    step_fn next;
    u8 stage = 0;
    s16 distance;

    axis.target = target;
    if (!axis.enabled)
        goto disabled;
    distance = axis.target - axis.position;
    axis.reverse = distance < 0;
    next = axis.reverse ? backward_step : forward_step;
    if (axis.reverse)
        distance = -distance;
    axis.phase = ACCEL;
    while (distance-- > 0) {
        step_index = next(step_index);
        LATB = step_table[step_index];
        axis.position += axis.reverse ? -1 : 1;
        switch (axis.phase) {
        case ACCEL:
            if (++stage >= RAMP_LEN - 1)
                axis.phase = CRUISE;
            break;
        case CRUISE:
            if (distance < RAMP_LEN)
                axis.phase = DECEL;
            break;
        case DECEL:
            if (stage > 0)
                stage--;
            break;
        default:
            axis.fault = 3;
            goto failed;
        }
        wait_ticks(ramp_delay(stage));
    }
    axis.phase = IDLE;
    return 1;
failed:
    report(fault_text, axis.fault);
disabled:
    return 0;
}
