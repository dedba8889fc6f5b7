/* Special function registers of the demonstration board's controller. */
#ifndef VXREGS_H
#define VXREGS_H

#include "vxtypes.h"

extern volatile near unsigned char PORTA;
extern volatile near unsigned char PORTB;
extern volatile near unsigned char PORTC;
extern volatile near unsigned char TRISA;
extern volatile near unsigned char TRISB;
extern volatile near unsigned char TRISC;
extern volatile near unsigned char LATB;
extern volatile near unsigned char TMR0L;
extern volatile near unsigned char TMR0H;
extern volatile near unsigned char T0CON;
extern volatile near unsigned char TXREG;
extern volatile near unsigned char RCREG;
extern volatile near unsigned char SPBRG;
extern volatile near unsigned char TXSTA;
extern volatile near unsigned char RCSTA;
extern volatile near unsigned char ADRESH;
extern volatile near unsigned char ADRESL;
extern volatile near unsigned char ADCON0;
extern volatile near unsigned char ADCON1;
extern volatile near unsigned char EEADR;
extern volatile near unsigned char EEDATA;
extern volatile near unsigned char EECON1;
extern volatile near unsigned char EECON2;
extern volatile near unsigned char WREG;
extern volatile near unsigned char STATUS;

typedef union {
    struct {
        unsigned RBIF : 1;
        unsigned INT0IF : 1;
        unsigned TMR0IF : 1;
        unsigned RBIE : 1;
        unsigned INT0IE : 1;
        unsigned TMR0IE : 1;
        unsigned PEIE : 1;
        unsigned GIE : 1;
    };
    struct {
        unsigned : 6;
        unsigned GIEL : 1;
        unsigned GIEH : 1;
    };
} INTCONbits_t;
extern volatile near INTCONbits_t INTCONbits;

typedef struct {
    unsigned TMR1IF : 1;
    unsigned TMR2IF : 1;
    unsigned CCP1IF : 1;
    unsigned SSPIF : 1;
    unsigned TXIF : 1;
    unsigned RCIF : 1;
    unsigned ADIF : 1;
    unsigned PSPIF : 1;
} PIR1bits_t;
extern volatile near PIR1bits_t PIR1bits;
extern volatile near PIR1bits_t PIE1bits;

typedef struct {
    unsigned GO_DONE : 1;
    unsigned ADON : 1;
    unsigned CHS : 4;
    unsigned : 2;
} ADCON0bits_t;
extern volatile near ADCON0bits_t ADCON0bits;

typedef struct {
    unsigned RD : 1;
    unsigned WR : 1;
    unsigned WREN : 1;
    unsigned WRERR : 1;
    unsigned FREE : 1;
    unsigned : 1;
    unsigned CFGS : 1;
    unsigned EEPGD : 1;
} EECON1bits_t;
extern volatile near EECON1bits_t EECON1bits;

#define ENABLE_INTERRUPTS() (INTCONbits.GIE = 1)
#define DISABLE_INTERRUPTS() (INTCONbits.GIE = 0)
#define Nop() { _asm nop _endasm }
#define ClrWdt() { _asm clrwdt _endasm }

#endif
