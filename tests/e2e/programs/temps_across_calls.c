// Temporaries that must survive calls: sums and products of call results, calls as arguments and values kept across several calls.
#include "../e2e.h"

u8 trace[8];
u8 n_trace;

/* Each call records itself so that the results show which calls ran. */
u16 f(u16 x)
{
    trace[n_trace++ & 7] = 1;
    return x + 1;
}

u16 g(u16 x)
{
    trace[n_trace++ & 7] = 2;
    return x * 2;
}

u8 h(u8 x)
{
    trace[n_trace++ & 7] = 3;
    return x ^ 0x0F;
}

s16 neg(s16 x)
{
    return -x;
}

void main(void)
{
    u16 a = 10, b = 200, r;
    u8 c = 0x33;
    s16 s;

    r = f(a) + g(b) * h(c);
    put16(r);
    r = f(g(f(a))) - g(f(g(a)));
    put16(r);
    /* The product stays below 65536 and the difference positive, so the
       division sees the same value at either int width. */
    r = (f(a) + g(a)) * (f(b) - g(a)) / h(c);
    put16(r);
    s = neg(100) * neg(-3) + neg(a) - neg(neg(7));
    put16(s);
    /* A local set before the calls is read after them. */
    a = 1234;
    r = f(1) + f(2) + f(3) + f(4) + a;
    put16(r);
    r = a ^ (g(a) + h(c) + g(h(c)));
    put16(r);
    put8(h(h(c)) == c);
    put8(n_trace);
}
