// Doubly recursive Fibonacci numbers with a call counter, checked against an iterative loop.
// CODESIZE-EXPECT: 00 00 01 00 01 00 02 00 03 00 05 00 08 00 0D 00 15 00 22 00 37 00 59 00 90 00 B5 04 37 00 B1 00 01 20 B5 11 25
#include "bench.h"

u16 calls;

u16 fib(u8 n)
{
    calls++;
    if (n < 2)
        return n;
    return fib(n - 1) + fib(n - 2);
}

u16 fib_loop(u8 n)
{
    u16 a = 0, b = 1, t;
    while (n--) {
        t = a + b;
        a = b;
        b = t;
    }
    return a;
}

void main(void)
{
    u8 n;
    for (n = 0; n <= 12; n++)
        put16(fib(n));
    put16(calls);
    calls = 0;
    put16(fib(10));
    put16(calls);
    put8(fib(12) == fib_loop(12));
    put16(fib_loop(24));
    put16(fib_loop(25));
}
