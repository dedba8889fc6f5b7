/* Traffic-light controller as an explicit state machine with pedestrian requests. */
#include "vxregs.h"

typedef enum {
    ST_RED,
    ST_RED_AMBER,
    ST_GREEN,
    ST_AMBER,
    ST_PED_WALK,
    ST_PED_FLASH,
    ST_FAULT,
    ST_COUNT
} light_state_t;

typedef enum { EV_NONE = 0, EV_TICK, EV_BUTTON, EV_FAULT, EV_RESET } light_event_t;

typedef struct {
    light_state_t state;
    u16 timer;
    u8 flash_count;
    bool_t ped_request;
    u8 fault_code;
} light_ctx_t;

#define LAMP_RED 0x01
#define LAMP_AMBER 0x02
#define LAMP_GREEN 0x04
#define LAMP_WALK 0x08
#define LAMP_DONT 0x10

static const rom u16 state_time[ST_COUNT] = { 300, 20, 250, 40, 150, 5, 0 };
static const rom u8 state_lamps[ST_COUNT] = {
    LAMP_RED | LAMP_DONT,
    LAMP_RED | LAMP_AMBER | LAMP_DONT,
    LAMP_GREEN | LAMP_DONT,
    LAMP_AMBER | LAMP_DONT,
    LAMP_RED | LAMP_WALK,
    LAMP_RED,
    LAMP_AMBER
};

static light_ctx_t ctx;

static void enter(light_state_t next)
{
    ctx.state = next;
    ctx.timer = state_time[next];
    LATB = state_lamps[next];
}

static light_state_t after_timeout(void)
{
    switch (ctx.state) {
    case ST_RED:
        if (ctx.ped_request) {
            ctx.ped_request = FALSE;
            return ST_PED_WALK;
        }
        return ST_RED_AMBER;
    case ST_RED_AMBER:
        return ST_GREEN;
    case ST_GREEN:
        return ST_AMBER;
    case ST_AMBER:
        return ST_RED;
    case ST_PED_WALK:
        ctx.flash_count = 6;
        return ST_PED_FLASH;
    case ST_PED_FLASH:
        if (ctx.flash_count-- > 0) {
            LATB ^= LAMP_WALK;
            ctx.timer = state_time[ST_PED_FLASH];
            return ST_PED_FLASH;
        }
        return ST_RED_AMBER;
    default:
        return ST_FAULT;
    }
}

void light_dispatch(light_event_t ev)
{
    light_state_t next;

    if (ev == EV_FAULT) {
        ctx.fault_code++;
        enter(ST_FAULT);
        return;
    }
    if (ctx.state == ST_FAULT) {
        if (ev == EV_RESET) {
            ctx.fault_code = 0;
            enter(ST_RED);
        } else if (ev == EV_TICK) {
            LATB ^= LAMP_AMBER;
        }
        return;
    }
    switch (ev) {
    case EV_BUTTON:
        ctx.ped_request = TRUE;
        if (ctx.state == ST_GREEN && ctx.timer > 60)
            ctx.timer = 60;
        break;
    case EV_TICK:
        if (ctx.timer > 0 && --ctx.timer == 0) {
            next = after_timeout();
            if (next != ctx.state)
                enter(next);
        }
        break;
    case EV_RESET:
        enter(ST_RED);
        break;
    case EV_NONE:
    default:
        break;
    }
}

static light_event_t poll_inputs(void)
{
    static u8 last_buttons;
    u8 now = PORTA;
    u8 pressed = now & ~last_buttons;

    last_buttons = now;
    if (now & 0x80)
        return EV_FAULT;
    if (pressed & 0x01)
        return EV_BUTTON;
    if (pressed & 0x02)
        return EV_RESET;
    if (INTCONbits.TMR0IF) {
        INTCONbits.TMR0IF = 0;
        return EV_TICK;
    }
    return EV_NONE;
}

const rom char *state_name(light_state_t s)
{
    switch (s) {
    case ST_RED: return "red";
    case ST_RED_AMBER: return "red+amber";
    case ST_GREEN: return "green";
    case ST_AMBER: return "amber";
    case ST_PED_WALK: return "walk";
    case ST_PED_FLASH: return "flash";
    case ST_FAULT: return "fault";
    default: return "?";
    }
}

void main(void)
{
    light_event_t ev;

    TRISB = 0;
    TRISA = 0xFF;
    T0CON = 0xC7;
    ctx.fault_code = 0;
    ctx.ped_request = FALSE;
    enter(ST_RED);
    while (1) {
        ev = poll_inputs();
        if (ev != EV_NONE)
            light_dispatch(ev);
    }
}
