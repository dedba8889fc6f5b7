/* Blinks an LED from a timer interrupt: the high-priority handler counts
   timer overflows and toggles the LED's bit every half second while the
   main loop waits.  The LED's port is a byte of our own in access RAM. */

#include <vxcore.h>

#define LED_MASK      0x01
#define TICKS_PER_HALF_SECOND 61

#pragma udata access blink_state
volatile near unsigned char led_port;
static near unsigned char ticks;
#pragma udata

void timer_isr (void);

#pragma code high_vector = 0x08
void high_vector (void)
{
  _asm GOTO timer_isr _endasm
}
#pragma code

#pragma interrupt timer_isr
void timer_isr (void)
{
  INTCON &= ~INTCON_TMR0IF;
  if (++ticks == TICKS_PER_HALF_SECOND)
    {
      ticks = 0;
      led_port ^= LED_MASK;
    }
}

void main (void)
{
  led_port = 0;
  ticks = 0;
  T0CON = T0CON_TMR0ON | T0CON_T08BIT | 5;
  INTCON = INTCON_GIE | INTCON_TMR0IE;
  for (;;)
    ;
}
