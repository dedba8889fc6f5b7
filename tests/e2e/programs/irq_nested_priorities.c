// Priority mode: a low-priority routine on the 16-bit TMR0 (reloaded for 3000-cycle periods) raises the high-priority INT0 by software every fourth tick, which interrupts it at once, while the main loop reads rom tables, calls through pointers and adds 32-bit values; the host calls the high routine where the request is raised.
#include "../e2e.h"
#include "../e2e_irq.h"

#define LOW_TICKS 24

volatile u8 low_ticks;
volatile u8 high_count;
u8 payload;
u16 high_sum;
u8 high_xor;
u8 nested[LOW_TICKS / 4 + 1];

void high_isr(void);
void low_isr(void);

#ifdef __VxCORE
#pragma interrupt high_isr
#pragma interruptlow low_isr

#pragma code high_vector = 0x08
void high_vector(void)
{
    _asm goto high_isr _endasm
}

#pragma code low_vector = 0x18
void low_vector(void)
{
    _asm goto low_isr _endasm
}
#pragma code
#endif

/* The requests of the main loop and of the low-priority routine meet in an
   order that depends on timing, so the routine keeps only sums. */
void high_isr(void)
{
    if (INTCON & INT0IF) {
        INTCON &= ~INT0IF;
        high_count++;
        high_sum += (u16)((unsigned)payload * 300u + 7u);
        high_xor ^= payload;
    }
}

/* On the target the request interrupts the caller right after it is set;
   the host has to make the call itself. */
void raise_high(u8 value)
{
    payload = value;
    INTCON |= INT0IF;
#ifndef __VxCORE
    high_isr();
#endif
}

void low_isr(void)
{
    u8 before;
    if (INTCON & TMR0IF) {
        INTCON &= ~TMR0IF;
        TMR0H = 0xF4;
        TMR0L = 0x48;
        if (low_ticks < LOW_TICKS) {
            low_ticks++;
            if ((low_ticks & 3) == 0) {
                before = high_count;
                raise_high(low_ticks);
                nested[low_ticks >> 2] = (u8)(high_count - before);
            }
            if (low_ticks == LOW_TICKS)
                INTCON &= ~TMR0IE;
        }
    }
}

rom u16 weights[8] = { 3, 1000, 77, 65000u, 12, 4096, 255, 31 };

u16 twice(u16 x) { return (u16)(x + x); }
u16 swap(u16 x) { return (u16)((x << 8) | (x >> 8)); }
u16 invert(u16 x) { return (u16)~x; }
u16 (*steps[3])(u16) = { twice, swap, invert };

void main(void)
{
    u8 i, round;
    unsigned long total = 0;
    u16 x = 1;

    RCON = IPEN;
    INTCON2 = 0;
    TMR0H = 0xF4;
    TMR0L = 0x48;
    T0CON = TMR0ON;
    INTCON = GIEH | GIEL | TMR0IE | INT0IE;
    for (round = 0; round < 40; round++) {
        for (i = 0; i < 8; i++) {
            x = steps[(u8)(i + round) % 3](x ^ weights[i]);
            total += (unsigned long)x << (i & 7);
        }
        if (round == 10 || round == 30) {
            /* The low-priority routine would overwrite the payload. */
            INTCON &= ~GIEL;
            raise_high((u8)(100 + round));
            INTCON |= GIEL;
        }
    }
    put16(x);
    put16((u16)total);
    put16((u16)(total >> 16));

    while (low_ticks < LOW_TICKS) {
#ifndef __VxCORE
        INTCON |= TMR0IF;
        low_isr();
#endif
    }
    T0CON = 0;
    put8(low_ticks);
    put8(high_count);
    put16(high_sum);
    put8(high_xor);
    for (i = 1; i <= LOW_TICKS / 4; i++)
        put8(nested[i]);
    put8(INTCON & (GIEH | GIEL | TMR0IE | INT0IE));
}
