// Priority mode: a low-priority TMR0 routine produces samples into a ring buffer that the main loop drains, and high-priority INT0 requests from vxsim --irq post commands that the main loop serves, both routines adding to a 16-bit total that each side updates with the right enables cleared; the host makes the same calls from its wait loop.
// VXSIM-OPTIONS: --irq 7000 --irq 26000 --irq 51000 --irq 52000 --irq 90000
#include "../e2e.h"
#include "../e2e_irq.h"

#define SAMPLES 40
#define COMMANDS 5
#define RING 16

volatile u8 ring[RING];
volatile u8 head;
volatile u8 produced;
volatile u8 posted;
volatile u16 total;
u16 seed;
u8 commands[COMMANDS];

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

/* Two requests that meet before the main loop serves the first are both
   counted, so the commands served do not depend on timing. */
void high_isr(void)
{
    u8 n;
    if (INTCON & INT0IF) {
        INTCON &= ~INT0IF;
        n = posted;
        if (n < COMMANDS) {
            commands[n] = (u8)((unsigned)(n + 3) * 41u);
            posted = n + 1;
        }
        total += (u16)((unsigned)n * 1000u + 1u);
    }
}

/* The period is long beside the main loop's work per sample, so the ring
   never fills. */
void low_isr(void)
{
    u8 h;
    if (INTCON & TMR0IF) {
        INTCON &= ~TMR0IF;
        TMR0H = 0xF6;
        TMR0L = 0x00;
        if (produced < SAMPLES) {
            seed = (u16)((unsigned)seed * 109u + 89u);
            h = head;
            ring[h] = (u8)(seed >> 8);
            head = (u8)((h + 1) & (RING - 1));
            produced++;
            /* The high-priority routine adds to the total too. */
            INTCON &= ~GIEH;
            total += 3;
            INTCON |= GIEH;
            if (produced == SAMPLES)
                INTCON &= ~TMR0IE;
        }
    }
}

#ifndef __VxCORE
/* Interleaves the two kinds of request as the target might; the results
   do not depend on the order. */
static void host_requests(void)
{
    if (produced < SAMPLES) {
        INTCON |= TMR0IF;
        low_isr();
    }
    if (posted < COMMANDS && (produced & 7) == 0) {
        INTCON |= INT0IF;
        high_isr();
    }
}
#endif

u8 crc8(u8 crc, u8 data)
{
    u8 i;
    crc ^= data;
    for (i = 0; i < 8; i++)
        crc = (u8)(crc & 0x80 ? (crc << 1) ^ 0x31 : crc << 1);
    return crc;
}

void main(void)
{
    u8 tail = 0, consumed = 0, served = 0, crc = 0, largest = 0;
    u8 v;
    u16 sum = 0, work = 0;

    seed = 1;
    RCON = IPEN;
    INTCON2 = 0;
    TMR0H = 0xF6;
    TMR0L = 0x00;
    T0CON = TMR0ON;
    INTCON = GIEH | GIEL | TMR0IE | INT0IE;
    while (consumed < SAMPLES || served < COMMANDS) {
#ifndef __VxCORE
        host_requests();
#endif
        while (tail != head) {
            v = ring[tail];
            tail = (u8)((tail + 1) & (RING - 1));
            consumed++;
            crc = crc8(crc, v);
            sum += v;
            if (v > largest)
                largest = v;
        }
        while (served != posted) {
            work = (u16)(work * 3 + commands[served]);
            served++;
            /* Both routines add to the total. */
            INTCON &= ~(GIEH | GIEL);
            total += 100;
            INTCON |= GIEH | GIEL;
        }
    }
    T0CON = 0;
    put8(consumed);
    put8(served);
    put8(crc);
    put16(sum);
    put8(largest);
    put16(work);
    put16(total);
    put8(produced);
    put8(head);
    put8(INTCON & (GIEH | GIEL | TMR0IE | INT0IE));
}
