/* Greets through the serial transmitter: printf writes through putchar,
   which the simulator shows on its standard output.  Built as standard C
   (vexcc --standard-c), where the format lives in data memory and main
   returns the program's exit status. */

#include <stdio.h>

int main (void)
{
  unsigned char i;

  printf ("hello, world\n");
  for (i = 1; i <= 3; i++)
    printf ("%u squared is %u\n", i, i * i);
  return 0;
}
