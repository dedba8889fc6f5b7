/* Timing-critical helpers written with in-line assembly blocks. */
#include "vxregs.h"

#pragma udata access asm_fast
static near u8 delay_count;
static near u8 delay_outer;
static near u8 bit_counter;
static near u8 spi_byte;
#pragma udata
static u8 shift_buffer[4];

void delay_cycles(u8 count)
{
    delay_count = count;
    _asm
    wait_loop:
        decfsz delay_count, 1, 0
        bra wait_loop
    _endasm
}

void delay_100us(u8 times)
{
    delay_outer = times;
    _asm
    outer:
        movlw 33
        movwf delay_count, 0
    inner:
        decfsz delay_count, 1, 0
        bra inner
        decfsz delay_outer, 1, 0
        bra outer
    _endasm
}

u8 swap_nibbles(u8 value)
{
    spi_byte = value;
    _asm
        swapf spi_byte, 1, 0
    _endasm
    return spi_byte;
}

void shift_left_32(void)
{
    _asm
        bcf STATUS, 0, 0
        rlcf shift_buffer, 1, 1
        rlcf shift_buffer + 1, 1, 1
        rlcf shift_buffer + 2, 1, 1
        rlcf shift_buffer + 3, 1, 1
    _endasm
}

void spi_write_bitbang(u8 value)
{
    spi_byte = value;
    bit_counter = 8;
    _asm
    next_bit:
        bcf LATB, 1, 0
        btfsc spi_byte, 7, 0
        bsf LATB, 1, 0
        bsf LATB, 0, 0
        rlncf spi_byte, 1, 0
        bcf LATB, 0, 0
        decfsz bit_counter, 1, 0
        bra next_bit
    _endasm
}

void clear_watchdog_and_sleep(void)
{
    _asm
        clrwdt
        sleep
        nop
    _endasm
}

#pragma udata access asm_operands
u8 add_with_carry(u8 a, u8 b)
{
    static near u8 left, right;

    left = a;
    right = b;
    _asm
        movf left, 0, 0
        addwf right, 0, 0
        movwf left, 0
    _endasm
    return left;
}
#pragma udata

#define MASK_LOW (0x0F)
#define SHIFT_COUNT (4 - 1)

void constant_operands(void)
{
    _asm
        movlw MASK_LOW
        andwf PORTB, 1, 0
        movlw (1 << SHIFT_COUNT) | 1
        iorwf LATB, 1, 0
        movlw -(2 * 3) & 0xFF
        movwf delay_count, 0
        movlw (char)300
        movlb 0
    _endasm
}

void main(void)
{
    u8 i;

    TRISB = 0;
    for (i = 0; i < 4; ++i)
        shift_buffer[i] = (u8)(i * 17);
    shift_left_32();
    constant_operands();
    for (;;) {
        spi_write_bitbang(swap_nibbles(add_with_carry(3, 4)));
        delay_100us(10);
        delay_cycles(50);
        Nop();
        ClrWdt();
    }
}
