// memset and memcpy_rom, whose loops run in FSR0, PROD and the table pointer, fill and copy 256-byte blocks while a timer interrupt every 256 cycles runs a routine with a frame of its own that uses the same registers; the blocks must come out whole.
#include "../e2e.h"
#include <string.h>

#ifdef __VxCORE
#include <vxcore.h>
#else
#define memcpy_rom memcpy
#endif

#ifdef __VxCORE
#pragma udata block_data
#endif
u8 block[256];
#ifdef __VxCORE
#pragma udata
#endif

rom u8 table[8] = { 3, 1, 4, 1, 5, 9, 2, 6 };
rom u8 pattern[256] = { 0x11, 0x22, 0x33, 0x44, 0x55, 0x66, 0x77, 0x88, 0x99, 0xAA, 0xBB, 0xCC, 0xDD, 0xEE, 0xFF, 0x01 };

volatile u8 ticks;
u8 sink[8];

#ifdef __VxCORE
void timer_isr(void);
#pragma interrupt timer_isr
#pragma code high_vector = 0x08
void high_vector(void)
{
    _asm goto timer_isr _endasm
}
#pragma code

/* A frame (the local array), a pointer (FSR0), a product (PROD) and a
   rom read (the table pointer). */
void timer_isr(void)
{
    u8 local[2];
    u8 k = ticks & 7;

    INTCON &= ~INTCON_TMR0IF;
    local[0] = table[k];
    local[1] = (u8)(local[0] * (u8)(ticks | 1));
    sink[k] = local[1];
    ticks++;
}
#endif

u16 hash(void)
{
    u16 h = 0;
    u16 i;

    for (i = 0; i < 256; i++)
        h = (u16)(h * 31u + block[i]);
    return h;
}

void main(void)
{
    u8 round;

#ifdef __VxCORE
    T0CON = 0xC0;
    INTCON = INTCON_TMR0IE | INTCON_GIE;
#endif
    for (round = 0; round < 4; round++) {
        memset(block, 0x5A + round, 256);
        put16(hash());
        memset(block + round, 0xC3, 200);
        put16(hash());
        memcpy_rom(block, pattern, 256);
        put16(hash());
        memcpy_rom(block + 7, pattern + round, 100);
        put16(hash());
    }
#ifdef __VxCORE
    INTCON = 0;
    put8(ticks > 8);
#else
    put8(1);
#endif
}
