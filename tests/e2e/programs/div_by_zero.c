// Division and remainder by zero at every width and signedness: the program must run to its end on the target.
// E2E-HOST: skip
// E2E-EXPECT: FF C8 FF 9C FF FF 50 C3 FF FF 2E FB 5A
#include "../e2e.h"

/* C leaves division by zero undefined and the host traps on it, so the host
   gives nothing to compare with: the target's bytes are compared with the
   ones recorded above.  The runtime's division routines give an all-ones
   quotient and the dividend as remainder, whatever the signedness.  The
   bytes come in this order:
     u8 / 0, u8 % 0, s8 / 0, s8 % 0 (of 200 and -100),
     u16 / 0, u16 % 0, s16 / 0, s16 % 0 (of 50000 and -1234, low byte first),
     and the marker 0x5A that shows the program went on afterwards. */

u8 zero8;
u16 zero16;
u8 u8v = 200;
s8 s8v = -100;
u16 u16v = 50000u;
s16 s16v = -1234;

void main(void)
{
    u8 a;
    s8 b;
    u16 c;
    s16 d;

    a = u8v / zero8;
    put8(a);
    a = u8v % zero8;
    put8(a);
    b = s8v / (s8)zero8;
    put8(b);
    b = s8v % (s8)zero8;
    put8(b);
    c = u16v / zero16;
    put16(c);
    c = u16v % zero16;
    put16(c);
    d = s16v / (s16)zero16;
    put16(d);
    d = s16v % (s16)zero16;
    put16(d);
    put8(0x5A);
}
