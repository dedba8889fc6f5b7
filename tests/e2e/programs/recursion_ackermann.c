// The Ackermann function for small arguments: deep, irregular recursion with a call counter.
#include "../e2e.h"

u16 calls;
u8 depth, max_depth;

/* The arguments keep the recursion at most ten calls deep, within the
   target's return stack. */
u16 ack(u8 m, u16 n)
{
    u16 r;
    calls++;
    if (++depth > max_depth)
        max_depth = depth;
    if (m == 0)
        r = n + 1;
    else if (n == 0)
        r = ack(m - 1, 1);
    else
        r = ack(m - 1, ack(m, n - 1));
    depth--;
    return r;
}

u8 ms[7] = { 0, 1, 1, 2, 2, 2, 3 };
u16 ns[7] = { 0, 0, 3, 1, 2, 3, 0 };

void main(void)
{
    u8 i;
    for (i = 0; i < 7; i++) {
        calls = 0;
        max_depth = 0;
        put16(ack(ms[i], ns[i]));
        put16(calls);
        put8(max_depth);
    }
    put8(depth);
}
