/* Bit manipulation: population counts three ways, lowest set bit, powers
   of two, bit reversal, parity, rotations and Gray codes on 16-bit values. */
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>

static int pop_loop(uint16_t x)
{
    int n = 0;
    for (; x != 0; x >>= 1)
        n += x & 1u;
    return n;
}

static int pop_kernighan(uint16_t x)
{
    int n = 0;
    for (; x != 0; x &= (uint16_t)(x - 1))
        n++;
    return n;
}

static int pop_parallel(uint16_t x)
{
    x = (uint16_t)(x - ((x >> 1) & 0x5555u));
    x = (uint16_t)((x & 0x3333u) + ((x >> 2) & 0x3333u));
    x = (uint16_t)((x + (x >> 4)) & 0x0F0Fu);
    return (x + (x >> 8)) & 0x1F;
}

static uint16_t reverse(uint16_t x)
{
    x = (uint16_t)(((x >> 1) & 0x5555u) | ((x & 0x5555u) << 1));
    x = (uint16_t)(((x >> 2) & 0x3333u) | ((x & 0x3333u) << 2));
    x = (uint16_t)(((x >> 4) & 0x0F0Fu) | ((x & 0x0F0Fu) << 4));
    return (uint16_t)((x >> 8) | (x << 8));
}

static uint16_t rotl(uint16_t x, int n)
{
    return (uint16_t)((x << n) | (x >> (16 - n)));
}

int main(void)
{
    uint16_t x = 1;
    uint16_t gray_prev = 0;
    int i, total = 0, powers = 0;
    for (i = 0; i < 200; i++) {
        int a, b, c;
        x = (uint16_t)(x * 75u + 74u);
        a = pop_loop(x);
        b = pop_kernighan(x);
        c = pop_parallel(x);
        if (a != b || b != c || reverse(reverse(x)) != x || pop_loop(reverse(x)) != a)
            abort();
        if (rotl(rotl(x, 5), 11) != x)
            abort();
        total += a;
        if (i < 8)
            printf("%04X %2d %04X %04X %04X %d\n", (unsigned)x, a, (unsigned)reverse(x),
                   (unsigned)(x & (uint16_t)(0u - x)), (unsigned)rotl(x, 3), a & 1);
    }
    for (i = 1; i < 1024; i++) {
        uint16_t g = (uint16_t)(i ^ (i >> 1));
        if (pop_loop((uint16_t)(g ^ gray_prev)) != 1)
            abort();
        gray_prev = g;
        powers += (i & (i - 1)) == 0;
    }
    printf("%d %d %04X\n", total, powers, (unsigned)gray_prev);
    return powers;
}
