// 32- and 24-bit values steering control flow: loop counters across byte boundaries, short-circuit conditions with side effects, conditional expressions of mixed widths, long indices and calls through function pointers.
#include "../e2e.h"
#include "../e2e_wide.h"

u32 side;

u32 bump(u32 v)
{
    side++;
    return v;
}

u32 twice(u32 v) { return v << 1; }
u32 halve(u32 v) { return v >> 1; }
u32 flip(u32 v) { return ~v; }

u32 (*ops[3])(u32) = { twice, halve, flip };

s32 pick(u8 which, s8 a, s16 b, s32 c)
{
    return which == 0 ? a : which == 1 ? b : c;
}

u16 words[6] = { 10, 20, 30, 40, 50, 60 };

void main(void)
{
    u32 i, n, total;
    s32 si;
    u24 j;
    u8 k;

    /* Counters that carry into the next byte, up and down. */
    n = 0;
    for (i = 0xFFF0UL; i < 0x10010UL; i++)
        n += i & 3;
    put32(n);
    n = 0;
    for (i = 0x1000008UL; i != 0xFFFFF8UL; i--)
        n++;
    put32(n);
    n = 0;
    for (si = 5; si >= -5; si--)
        n += (u32)si;
    put32(n);
    n = 0;
    j = 0xFFFFF0UL;
    do {
        n++;
        j = U24(j + 3);
    } while (j > 10);
    put32(n);
    put32(U24(j));
    n = 0;
    i = 0x80000000UL;
    while (i) {
        n++;
        i >>= 3;
    }
    put32(n);

    /* The right operand runs only when the left one does not decide. */
    check = 0;
    side = 0;
    for (k = 0; k < 8; k++) {
        i = (u32)k << 29;
        mix(i && bump(i >> 30));
        mix(i || bump(i));
        mix((i & 0x40000000UL) && (bump(i) || bump(i >> 31)));
        mix(!i || i > 0x80000000UL);
    }
    put16(check);
    put32(side);

    /* Conditional expressions with operands of different widths take the
       common type of both. */
    check = 0;
    for (k = 0; k < 3; k++) {
        mix((u32)pick(k, -1, -2, -3));
        mix((u32)pick(k, 127, 32767, 2147483647L));
        mix(k ? (u32)words[k] : 0xFFFFFFFFUL);
        mix((u32)(k > 1 ? (s32)-5 : (s32)(s16)-300));
        mix(ops[k](0x80000001UL));
        mix(ops[k](ops[(u8)(k + 1) % 3](0x12345678UL)));
    }
    put16(check);

    /* A long index and a long offset reach the same elements. */
    total = 0;
    for (i = 0; i < 6; i++)
        total += words[i];
    put32(total);
    i = 4;
    put16(words[i]);
    put16(*(words + i - 3));
    si = -2;
    put16(words[5 + si]);
}
