// Requests from outside (vxsim --irq) on the high-priority INT0 and the low-priority RB line are logged in order while the main loop updates a shared total inside critical sections with the global enable cleared; the host raises the same requests in the same order from its wait loop.
// VXSIM-OPTIONS: --irq 5000 --irq 12000:low --irq 20000:low --irq 27000 --irq 35000:low
// VXSIM-OPTIONS: --irq 41000:low --irq 41000 --irq 60000
#include "../e2e.h"
#include "../e2e_irq.h"

#define EVENTS 8

#define RBIE 0x08

volatile u8 count;
u8 events[EVENTS];
volatile u16 shared;

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

void high_isr(void)
{
    u8 n;
    if (INTCON & INT0IF) {
        INTCON &= ~INT0IF;
        n = count;
        if (n < EVENTS) {
            events[n] = (u8)('H' + n);
            count = n + 1;
        }
        shared += 7;
    }
}

void low_isr(void)
{
    u8 n;
    if (INTCON & RBIF) {
        INTCON &= ~RBIF;
        n = count;
        if (n < EVENTS) {
            events[n] = (u8)('L' + n);
            count = n + 1;
        }
        shared += 300;
    }
}

#ifndef __VxCORE
/* The order of the --irq requests: two at the same cycle are taken high
   priority first. */
static const char schedule[EVENTS + 1] = "HLLHLHLH";

static void host_request(void)
{
    if (schedule[count] == 'H') {
        INTCON |= INT0IF;
        high_isr();
    } else {
        INTCON |= RBIF;
        low_isr();
    }
}
#endif

u8 crc8(u8 crc, u8 data)
{
    u8 i;
    crc ^= data;
    for (i = 0; i < 8; i++)
        crc = (u8)(crc & 0x80 ? (crc << 1) ^ 0x07 : crc << 1);
    return crc;
}

void main(void)
{
    u8 i, crc = 0;
    u16 n;

    RCON = IPEN;
    INTCON2 = 0;
    INTCON = GIEH | GIEL | INT0IE | RBIE;
    for (n = 0; n < 700; n++) {
        crc = crc8(crc, (u8)(n ^ (n >> 3)));
        if ((n & 31) == 0) {
            /* Both routines add to the total: keep them out while it is
               read, added to and written back. */
            INTCON &= ~GIEH;
            shared += 1000;
            INTCON |= GIEH;
        }
    }
    put8(crc);

    while (count < EVENTS) {
#ifndef __VxCORE
        host_request();
#endif
    }
    for (i = 0; i < EVENTS; i++)
        put8(events[i]);
    put16(shared);
    put8(INTCON);
}
