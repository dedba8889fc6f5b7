// A high-priority timer interrupt counts 40 overflows of the 8-bit TMR0 (prescaler 1:16) and logs products while the main loop multiplies, divides and sorts; the host raises the same overflows from its wait loop.
#include "../e2e.h"
#include "../e2e_irq.h"

#define TICKS 40

volatile u8 ticks;
u8 tick_log[TICKS];
u16 tick_sum;

void timer_isr(void);

#ifdef __VxCORE
#pragma interrupt timer_isr

#pragma code high_vector = 0x08
void high_vector(void)
{
    _asm goto timer_isr _endasm
}
#pragma code
#endif

/* Products and a quotient in the routine use PROD and the math library's
   bytes, which the main loop is using too. */
void timer_isr(void)
{
    u8 n;
    if (INTCON & TMR0IF) {
        INTCON &= ~TMR0IF;
        n = ticks;
        if (n < TICKS) {
            tick_log[n] = (u8)(n * 37 + 11);
            tick_sum += (u16)((unsigned)n * 1000u / 7u);
            ticks = n + 1;
            if (n + 1 == TICKS)
                INTCON &= ~TMR0IE;
        }
    }
}

u16 values[24];

void fill(u16 seed)
{
    u8 i;
    for (i = 0; i < 24; i++) {
        seed = (u16)((unsigned)seed * 25173u + 13849u);
        values[i] = seed;
    }
}

void sort(void)
{
    u8 i, j;
    u16 t;
    for (i = 1; i < 24; i++) {
        t = values[i];
        for (j = i; j > 0 && values[j - 1] > t; j--)
            values[j] = values[j - 1];
        values[j] = t;
    }
}

u16 mix(void)
{
    u8 i;
    u16 acc = 0;
    for (i = 0; i < 24; i++)
        acc = (u16)(acc ^ (values[i] / (u16)(i + 3)) ^ (u16)((unsigned)values[i] % 251u));
    return acc;
}

void main(void)
{
    u8 round;
    u16 check = 0;

    T0CON = TMR0ON | T08BIT | 4;
    INTCON = GIE | TMR0IE;
    for (round = 0; round < 6; round++) {
        fill((u16)(check + round));
        sort();
        check = (u16)(check + mix());
        put16(values[0]);
        put16(values[23]);
    }
    put16(check);

    while (ticks < TICKS) {
#ifndef __VxCORE
        INTCON |= TMR0IF;
        timer_isr();
#endif
    }
    T0CON = 0;
    put8(ticks);
    put16(tick_sum);
    put8(tick_log[0]);
    put8(tick_log[1]);
    put8(tick_log[17]);
    put8(tick_log[TICKS - 1]);
    put8(INTCON & (GIE | TMR0IE));
}
