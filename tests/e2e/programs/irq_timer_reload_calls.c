// Compatibility mode: the 16-bit TMR0 with prescaler 1:8 is reloaded by its interrupt routine, which calls through a pointer to a function reading a rom table and works in a variable that it names in save=, while the main loop uses that variable, the same table and the same function; the host runs the routine from its wait loop.
#include "../e2e.h"
#include "../e2e_irq.h"

#define TICKS 30

volatile u8 ticks;
u16 isr_total;
u16 scratch;

rom u8 pattern[16] = { 9, 250, 17, 0, 128, 77, 3, 199, 64, 31, 8, 111, 222, 5, 90, 46 };
rom u16 words[8] = { 0x1234, 0xFFFF, 0x8000, 0x0001, 0xBEEF, 0x4242, 0x00FF, 0xFF00 };

u8 lookup(u8 i)
{
    return pattern[i & 15];
}

u8 (*reader)(u8) = lookup;

void timer_isr(void);

#ifdef __VxCORE
#pragma interrupt timer_isr save=scratch

#pragma code high_vector = 0x08
void high_vector(void)
{
    _asm goto timer_isr _endasm
}
#pragma code
#endif

/* 512 counts of 8 cycles between overflows. */
void reload(void)
{
    TMR0H = 0xFE;
    TMR0L = 0x00;
}

void timer_isr(void)
{
    u8 n;
    if (INTCON & TMR0IF) {
        INTCON &= ~TMR0IF;
        reload();
        n = ticks;
        if (n < TICKS) {
            scratch = (u16)(reader(n) * 3u + n);
            scratch ^= words[n & 7];
            isr_total += scratch;
            ticks = n + 1;
            if (n + 1 == TICKS)
                INTCON &= ~TMR0IE;
        }
    }
}

void main(void)
{
    u8 i, round;
    u16 acc = 0;

    RCON = 0;
    reload();
    T0CON = TMR0ON | 3;
    INTCON = GIE | TMR0IE;
    for (round = 0; round < 12; round++) {
        for (i = 0; i < 100; i++) {
            scratch = (u16)((unsigned)i * 13u + round);
            scratch += lookup((u8)(i + round));
            scratch ^= words[(u8)(i ^ round) & 7];
            acc = (u16)(acc + scratch);
            acc = (u16)((acc << 1) | (acc >> 15));
        }
        put16(acc);
    }

    while (ticks < TICKS) {
#ifndef __VxCORE
        INTCON |= TMR0IF;
        timer_isr();
#endif
    }
    T0CON = 0;
    put8(ticks);
    put16(isr_total);
    put8(INTCON & (GIE | TMR0IE));
}
