// A member read straight from the value of a call that returns a struct of 1 to 4 bytes (f(x).v), which comes back as a value rather than in the struct result buffer, and of a 5-byte one.
#include "../e2e.h"

struct one { u8 v; };
struct two { s16 v; };
struct three { u8 tag; u16 v; };
struct four { u16 lo, hi; };
struct five { u8 a; u16 b; u16 c; };

struct one make1(u8 v) { struct one r; r.v = v; return r; }
struct two make2(s16 v) { struct two r; r.v = v; return r; }
struct three make3(u16 v) { struct three r; r.tag = 1; r.v = v; return r; }
struct four make4(u16 v) { struct four r; r.lo = v; r.hi = 0; return r; }
struct five make5(u16 v) { struct five r; r.a = 1; r.b = 2; r.c = v; return r; }

void main(void)
{
    put8(make1(7).v);
    put16((u16)make2(300).v);
    put16(make3(0x1234).v);
    put16(make4(0x5678).lo);
    put16(make5(0x4321).c);
}
