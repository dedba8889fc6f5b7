/* Says hello through the serial transmitter.  vexcc --run shows what the
   program sends and exits with main's result. */

extern volatile near unsigned char TXREG;
extern volatile near unsigned char TXSTA;

/* Transmit register empty: the previous byte has gone out. */
#define TXSTA_TRMT 0x02

static char greeting[] = "hello\n";

static void send (char c)
{
  while (!(TXSTA & TXSTA_TRMT))
    ;
  TXREG = c;
}

int main (void)
{
  unsigned char i;

  for (i = 0; greeting[i] != '\0'; i++)
    send (greeting[i]);
  return 0;
}
