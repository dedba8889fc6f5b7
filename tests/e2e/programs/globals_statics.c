// Initialized and zeroed globals, static locals that keep their value between calls, and file-scope statics.
#include "../e2e.h"

u8 zeroed[4];
u16 initialized[3] = { 0x1234, 65535u, 7 };
s8 negative = -77;
static u16 file_static = 500;
static u8 partial[5] = { 9, 8 };
char text[6] = "abc";

u16 counter(void)
{
    static u16 calls = 1000;
    return calls++;
}

u8 toggler(void)
{
    static u8 state;
    state ^= 1;
    return state;
}

void main(void)
{
    u8 i;
    for (i = 0; i < 4; i++)
        put8(zeroed[i]);
    put16(initialized[0]);
    put16(initialized[1]);
    put16(initialized[2]);
    put8(negative);
    put16(file_static);
    for (i = 0; i < 5; i++)
        put8(partial[i]);
    for (i = 0; i < 6; i++)
        put8(text[i]);
    put16(counter());
    put16(counter());
    put16(counter());
    put8(toggler());
    put8(toggler());
    put8(toggler());
    file_static += initialized[2];
    put16(file_static);
    zeroed[3] = 42;
    put8(zeroed[3]);
}
