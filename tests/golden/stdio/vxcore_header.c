// <vxcore.h>: the registers by name, their bit-field views and masks, which
// agree with each other and with the simulator.
// RUN: %vexcc --run %s > out.txt 2> /dev/null
// RUN: %FileCheck %s --match-full-lines < out.txt
#include <stdio.h>
#include <vxcore.h>

int main(void)
{
    T0CONbits.prescale = 5;
    T0CONbits.eight_bit = 1;
    printf("T0CON %02x %d\n", T0CON, T0CON == (T0CON_T08BIT | 5));
    INTCONbits.tmr0_enable = 1;
    INTCONbits.int0_enable = 1;
    INTCON2bits.tmr0_high = 1;
    RCONbits.priorities = 1;
    printf("INTCON %02x INTCON2 %02x RCON %02x\n", INTCON, INTCON2, RCON);
    printf("%d %d %d\n", INTCON == (INTCON_TMR0IE | INTCON_INT0IE), INTCON2 == INTCON2_TMR0IP, RCON == RCON_IPEN);
    printf("empty %d %d\n", TXSTAbits.empty, (TXSTA & TXSTA_TRMT) != 0);
    TBLPTR = 0x1234;
    printf("TBLPTR %x %02x %02x\n", TBLPTR, TBLPTRH, TBLPTRL);
    PRODL = 0x34;
    PRODH = 0x12;
    printf("PROD %x\n", PROD);
    return 0;
}
// CHECK: T0CON 45 1
// CHECK-NEXT: INTCON 30 INTCON2 04 RCON 80
// CHECK-NEXT: 1 1 1
// CHECK-NEXT: empty 1 1
// CHECK-NEXT: TBLPTR 1234 12 34
// CHECK-NEXT: PROD 1234
