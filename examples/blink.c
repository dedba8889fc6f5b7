/* Blinks an LED on port B, bit 0, from a timer interrupt: the main loop
   sleeps while the high-priority handler counts timer overflows. */

#define LED_MASK      0x01
#define TICKS_PER_HALF_SECOND 61

volatile near unsigned char LATB;
volatile near unsigned char TMR0_FLAGS;

static near unsigned char ticks;

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
  TMR0_FLAGS &= ~0x04;
  if (++ticks == TICKS_PER_HALF_SECOND)
    {
      ticks = 0;
      LATB ^= LED_MASK;
    }
}

void main (void)
{
  LATB = 0;
  ticks = 0;
  for (;;)
    ;
}
