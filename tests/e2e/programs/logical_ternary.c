// Logical operators with short-circuit evaluation, logical not, and the conditional operator as value and as condition.
#include "../e2e.h"

u8 calls;

u8 yes(void) { calls++; return 1; }
u8 no(void) { calls++; return 0; }

u8 ranges(s16 v)
{
    return (v >= 0 && v < 10) ? 1 : (v >= 10 && v < 100) ? 2 : (v < 0 || v > 1000) ? 3 : 4;
}

void main(void)
{
    u8 r;
    u16 w = 0;
    s8 sb = -1;

    calls = 0;
    r = no() && yes();
    put8(r); put8(calls);
    calls = 0;
    r = yes() && no();
    put8(r); put8(calls);
    calls = 0;
    r = yes() || no();
    put8(r); put8(calls);
    calls = 0;
    r = no() || no() || yes();
    put8(r); put8(calls);
    calls = 0;
    r = (yes() && no()) || (no() || yes());
    put8(r); put8(calls);

    put8(!w);
    put8(!!sb);
    put8(!(w || sb));
    w = 0x100;
    /* Non-zero only in the high byte is still true. */
    put8(w && 1);
    put8(!w);
    put8(w ? 7 : 8);
    put8((u8)w ? 7 : 8);

    put8(ranges(-5));
    put8(ranges(5));
    put8(ranges(50));
    put8(ranges(500));
    put8(ranges(5000));

    r = 3;
    w = r > 2 ? 1000 : 5;
    put16(w);
    w = r < 2 ? 1000 : sb < 0 ? 40000u : 6;
    put16(w);
    if (r == 3 && !(w == 6) && (sb || no()))
        put8(0xAA);
    else
        put8(0x55);
    if (r != 3 || w == 6)
        put8(0xAA);
    else
        put8(0x55);
}
