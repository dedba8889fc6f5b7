// In the large memory model function and rom pointers take three bytes: calls through pointers in tables, variables and arguments.
// VEXC-OPTIONS: -ml
#include "../e2e.h"

typedef u16 (*operation)(u16, u16);

u16 add(u16 a, u16 b) { return (u16)(a + b); }
u16 sub(u16 a, u16 b) { return (u16)(a - b); }
u16 mul(u16 a, u16 b) { return (u16)((unsigned)a * b); }

operation table[3] = { add, sub, mul };
rom char label[4] = "ops";

u16 apply(operation f, u16 a, u16 b) { return f(a, b); }

void main(void)
{
    operation f;
    rom char *text;
    u8 i;
    for (i = 0; i < 3; i++)
        put16(table[i](1000, 7));
    f = sub;
    put16(f(5, 9));
    put16(apply(mul, 300, 300));
    text = label;
    put8((u8)text[0]);
    put8((u8)text[2]);
}
