/* Two-priority timer interrupts keeping a millisecond clock and soft timers. */
#include "vxregs.h"

#define TIMER_COUNT 4
#define TMR0_RELOAD_H 0xF8
#define TMR0_RELOAD_L 0x30

typedef void (*timer_callback_t)(void);

typedef struct {
    u16 period;
    u16 remaining;
    timer_callback_t callback;
    unsigned active : 1;
    unsigned one_shot : 1;
    unsigned fired : 1;
} soft_timer_t;

volatile u32 milliseconds;
volatile u8 tick_flag;
static soft_timer_t timers[TIMER_COUNT];
static u16 isr_scratch;
static volatile u8 low_events;

void high_isr(void);
void low_isr(void);

#pragma interrupt high_isr save=section(".tmpdata"), PROD, isr_scratch nosave=TBLPTR, TABLAT
#pragma interruptlow low_isr save=PRODL, PRODH, section("MATH_DATA"), low_events

#pragma code high_vector=0x08
void high_vector(void)
{
    _asm
        goto high_isr
    _endasm
}

#pragma code low_vector=0x18
void low_vector(void)
{
    _asm
        goto low_isr
    _endasm
}
#pragma code

void high_isr(void)
{
    u8 i;

    if (INTCONbits.TMR0IF) {
        TMR0H = TMR0_RELOAD_H;
        TMR0L = TMR0_RELOAD_L;
        INTCONbits.TMR0IF = 0;
        ++milliseconds;
        tick_flag = 1;
        for (i = 0; i < TIMER_COUNT; i++) {
            if (!timers[i].active)
                continue;
            if (--timers[i].remaining == 0) {
                timers[i].fired = 1;
                if (timers[i].one_shot)
                    timers[i].active = 0;
                else
                    timers[i].remaining = timers[i].period;
            }
        }
        isr_scratch = (u16)(milliseconds & 0xFFFF);
    }
}

void low_isr(void)
{
    if (PIR1bits.TMR1IF) {
        PIR1bits.TMR1IF = 0;
        low_events++;
    }
}

void timer_start(u8 index, u16 period, timer_callback_t callback, bool_t one_shot)
{
    if (index >= TIMER_COUNT)
        return;
    DISABLE_INTERRUPTS();
    timers[index].period = period;
    timers[index].remaining = period;
    timers[index].callback = callback;
    timers[index].one_shot = one_shot ? 1 : 0;
    timers[index].fired = 0;
    timers[index].active = 1;
    ENABLE_INTERRUPTS();
}

void timer_stop(u8 index)
{
    if (index < TIMER_COUNT)
        timers[index].active = 0;
}

u32 clock_now(void)
{
    u32 copy;

    DISABLE_INTERRUPTS();
    copy = milliseconds;
    ENABLE_INTERRUPTS();
    return copy;
}

void delay_ms(u16 ms)
{
    u32 start = clock_now();

    while ((clock_now() - start) < ms)
        ClrWdt();
}

void timers_poll(void)
{
    u8 i;
    soft_timer_t *t;

    for (i = 0, t = timers; i < TIMER_COUNT; ++i, ++t) {
        if (t->fired) {
            t->fired = 0;
            if (t->callback != NULL)
                t->callback();
        }
    }
}

static void blink(void)
{
    LATB ^= 0x01;
}

static void heartbeat(void)
{
    LATB ^= 0x80;
}

void main(void)
{
    TRISB = 0x00;
    LATB = 0;
    T0CON = 0x88;
    TMR0H = TMR0_RELOAD_H;
    TMR0L = TMR0_RELOAD_L;
    INTCONbits.TMR0IE = 1;
    ENABLE_INTERRUPTS();
    timer_start(0, 250, blink, FALSE);
    timer_start(1, 1000, heartbeat, FALSE);
    for (;;) {
        if (tick_flag) {
            tick_flag = 0;
            timers_poll();
        }
    }
}
