/* Shared by the interrupt-driven end-to-end programs, after e2e.h: the
   interrupt controller and timer registers with the bits the programs
   use.  On the target the linker defines the registers; on the host they
   are plain bytes that the program's wait loop reads and writes where the
   simulator's hardware would. */
#ifndef E2E_IRQ_H
#define E2E_IRQ_H

/* INTCON */
#define GIE 0x80
#define GIEH 0x80
#define GIEL 0x40
#define TMR0IE 0x20
#define INT0IE 0x10
#define TMR0IF 0x04
#define INT0IF 0x02
#define RBIF 0x01
/* RCON */
#define IPEN 0x80
/* T0CON */
#define TMR0ON 0x80
#define T08BIT 0x40

#ifdef __VxCORE
extern volatile near unsigned char INTCON;
extern volatile near unsigned char INTCON2;
extern volatile near unsigned char RCON;
extern volatile near unsigned char T0CON;
extern volatile near unsigned char TMR0L;
extern volatile near unsigned char TMR0H;
#else
volatile unsigned char INTCON;
volatile unsigned char INTCON2;
volatile unsigned char RCON;
volatile unsigned char T0CON;
volatile unsigned char TMR0L;
volatile unsigned char TMR0H;
#endif

#endif
