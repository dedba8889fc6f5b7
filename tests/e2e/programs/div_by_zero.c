// Division and remainder by zero at every width and signedness: the program must run to its end on the target.
// E2E-HOST: skip
#include "../e2e.h"

/* C leaves division by zero undefined and the host traps on it, so the host
   gives nothing to compare with: the harness checks that the target runs
   through every case, and compares its bytes once they are recorded here.
   TARGET RESULT TO BE FILLED: once the code generator and the math library
   fix what division by zero gives, record the bytes as a line
   "// E2E-EXPECT: XX XX ..." at the top; they come in this order:
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
