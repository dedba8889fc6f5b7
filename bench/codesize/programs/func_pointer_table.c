// Calls through function pointers: a table of handlers, pointers passed as arguments and stored in variables.
// CODESIZE-EXPECT: 00 04 D0 03 C0 5D 08 00 E8 03 EB 06 6D FB 00 6A 00 00 E8 FD 3C 00 FE FF 01 01 22
#include "bench.h"

typedef u16 (*binop)(u16, u16);

u16 add(u16 a, u16 b) { return a + b; }
u16 sub(u16 a, u16 b) { return a - b; }
u16 mul(u16 a, u16 b) { return (unsigned)a * b; }
u16 band(u16 a, u16 b) { return a & b; }
u16 maxof(u16 a, u16 b) { return a > b ? a : b; }

binop table[5] = { add, sub, mul, band, maxof };

u16 fold(binop f, const u16 *v, u8 n)
{
    u16 acc = v[0];
    u8 i;
    for (i = 1; i < n; i++)
        acc = f(acc, v[i]);
    return acc;
}

u16 values[4] = { 300, 2000, 7, 65000u };

u8 hits;
void on_tick(void) { hits += 1; }
void on_edge(void) { hits += 16; }
void (*events[3])(void) = { on_tick, on_edge, on_tick };

void main(void)
{
    u8 i;
    binop chosen;

    for (i = 0; i < 5; i++)
        put16(table[i](1000, 24));
    for (i = 0; i < 5; i++)
        put16(fold(table[i], values, 4));

    chosen = table[2];
    put16(chosen(chosen(3, 4), 5));
    chosen = sub;
    put16((*chosen)(5, 7));
    put8(chosen == table[1]);
    put8(chosen != table[0]);

    for (i = 0; i < 3; i++)
        events[i]();
    events[1]();
    put8(hits);
}
