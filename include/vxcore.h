/* The VxCORE special-function registers by name.  The linker defines every
   name at its register's address, so these are declarations only; a
   register pair is also named as one 16-bit register by its low byte
   (FSR0, PROD, TBLPTR, TMR0).

   The common control registers have a bit-field view (NAMEbits, the
   register seen through a struct, since the linker defines only the
   registers' own names) and a mask for each bit (NAME_BIT), with member
   names of our own.  A bit-field
   store reads, changes and writes the whole register, so a flag that an
   interrupt may set at the same moment is better cleared with the mask:
   INTCON &= ~INTCON_TMR0IF clears one bit in a single instruction. */
#ifndef _VXCORE_H
#define _VXCORE_H

extern volatile near unsigned char STATUS, WREG, BSR;
extern volatile near unsigned char FSR0L, FSR0H, FSR1L, FSR1H, FSR2L, FSR2H;
extern volatile near unsigned int FSR0, FSR1, FSR2;
extern volatile near unsigned char INDF0, POSTINC0, POSTDEC0, PREINC0, PLUSW0;
extern volatile near unsigned char INDF1, POSTINC1, POSTDEC1, PREINC1, PLUSW1;
extern volatile near unsigned char INDF2, POSTINC2, POSTDEC2, PREINC2, PLUSW2;
extern volatile near unsigned char PRODL, PRODH;
extern volatile near unsigned int PROD;
extern volatile near unsigned char TBLPTRL, TBLPTRH, TBLPTRU, TABLAT;
extern volatile near unsigned int TBLPTR;
extern volatile near unsigned char PCL, PCLATH, PCLATU;
extern volatile near unsigned char STKPTR, TOSL, TOSH, TOSU;
extern volatile near unsigned char INTCON, INTCON2, RCON, T0CON;
extern volatile near unsigned char TMR0L, TMR0H;
extern volatile near unsigned int TMR0;
extern volatile near unsigned char TXREG, TXSTA;

/* The arithmetic flags of the last operation. */
struct status_bits {
    unsigned carry : 1;
    unsigned digit_carry : 1;
    unsigned zero : 1;
    unsigned overflow : 1;
    unsigned negative : 1;
    unsigned : 3;
};
#define STATUSbits (*(volatile near struct status_bits *)&STATUS)
#define STATUS_C 0x01
#define STATUS_DC 0x02
#define STATUS_Z 0x04
#define STATUS_OV 0x08
#define STATUS_N 0x10

/* Each source has a flag, and an enable bit three places above it. */
struct intcon_bits {
    unsigned portb_flag : 1;
    unsigned int0_flag : 1;
    unsigned tmr0_flag : 1;
    unsigned portb_enable : 1;
    unsigned int0_enable : 1;
    unsigned tmr0_enable : 1;
    unsigned low_enable : 1;
    unsigned high_enable : 1;
};
#define INTCONbits (*(volatile near struct intcon_bits *)&INTCON)
#define INTCON_RBIF 0x01
#define INTCON_INT0IF 0x02
#define INTCON_TMR0IF 0x04
#define INTCON_RBIE 0x08
#define INTCON_INT0IE 0x10
#define INTCON_TMR0IE 0x20
#define INTCON_PEIE 0x40
#define INTCON_GIEL 0x40
#define INTCON_GIE 0x80
#define INTCON_GIEH 0x80

/* A set bit makes its source a high-priority one; INT0 always is. */
struct intcon2_bits {
    unsigned portb_high : 1;
    unsigned : 1;
    unsigned tmr0_high : 1;
    unsigned : 5;
};
#define INTCON2bits (*(volatile near struct intcon2_bits *)&INTCON2)
#define INTCON2_RBIP 0x01
#define INTCON2_TMR0IP 0x04

struct rcon_bits {
    unsigned : 7;
    unsigned priorities : 1;
};
#define RCONbits (*(volatile near struct rcon_bits *)&RCON)
#define RCON_IPEN 0x80

/* The timer counts one step per 2^prescale instruction cycles. */
struct t0con_bits {
    unsigned prescale : 3;
    unsigned : 3;
    unsigned eight_bit : 1;
    unsigned on : 1;
};
#define T0CONbits (*(volatile near struct t0con_bits *)&T0CON)
#define T0CON_T0PS 0x07
#define T0CON_T08BIT 0x40
#define T0CON_TMR0ON 0x80

struct txsta_bits {
    unsigned : 1;
    unsigned empty : 1;
    unsigned : 6;
};
#define TXSTAbits (*(volatile near struct txsta_bits *)&TXSTA)
#define TXSTA_TRMT 0x02

#endif
