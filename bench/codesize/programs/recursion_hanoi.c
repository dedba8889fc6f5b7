// Towers of Hanoi: recursion with four arguments, recording the moves it makes.
// CODESIZE-EXPECT: 3F 00 CC 47 11 22 16 31 18 29 11 42 16 24 18 36 01 00 06 00
#include "bench.h"

u16 moves;
u16 signature;
u8 first[12];

void move(u8 disc, u8 from, u8 to)
{
    if (moves < 12)
        first[moves] = (disc << 4) | (from << 2) | to;
    moves++;
    signature = signature * 7 + from * 3 + to;
}

void hanoi(u8 n, u8 from, u8 to, u8 via)
{
    if (n == 0)
        return;
    hanoi(n - 1, from, via, to);
    move(n, from, to);
    hanoi(n - 1, via, to, from);
}

void main(void)
{
    u8 i;
    hanoi(6, 0, 2, 1);
    put16(moves);
    put16(signature);
    for (i = 0; i < 12; i++)
        put8(first[i]);
    moves = 0;
    signature = 0;
    hanoi(1, 2, 0, 1);
    put16(moves);
    put16(signature);
}
