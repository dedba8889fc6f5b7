/* Recursion: the Towers of Hanoi with the moves counted and checked for
   legality, small Ackermann values, and a recursive power and digit sum. */
// VEXCC-OPTIONS: --stack 256
#include <stdio.h>
#include <stdlib.h>

static unsigned char pegs[3][12];
static unsigned char height[3];
static long moves;

static void move(int from, int to)
{
    unsigned char disk = pegs[from][--height[from]];
    if (height[to] > 0 && pegs[to][height[to] - 1] < disk)
        abort();
    pegs[to][height[to]++] = disk;
    moves++;
}

static void hanoi(int n, int from, int to, int via)
{
    if (n == 0)
        return;
    hanoi(n - 1, from, via, to);
    move(from, to);
    hanoi(n - 1, via, to, from);
}

static int ackermann(int m, int n)
{
    if (m == 0)
        return n + 1;
    if (n == 0)
        return ackermann(m - 1, 1);
    return ackermann(m - 1, ackermann(m, n - 1));
}

static long power(long base, int e)
{
    long half;
    if (e == 0)
        return 1;
    half = power(base, e / 2);
    return e % 2 ? half * half * base : half * half;
}

static int digit_sum(long n)
{
    return n < 10 ? (int)n : (int)(n % 10) + digit_sum(n / 10);
}

int main(void)
{
    int n, m;
    for (n = 1; n <= 10; n++) {
        int i;
        height[0] = (unsigned char)n;
        height[1] = height[2] = 0;
        for (i = 0; i < n; i++)
            pegs[0][i] = (unsigned char)(n - i);
        moves = 0;
        hanoi(n, 0, 2, 1);
        if (height[2] != n || moves != power(2, n) - 1)
            abort();
        printf("%d:%ld ", n, moves);
    }
    printf("\n");
    for (m = 0; m <= 2; m++)
        for (n = 0; n <= 3; n++)
            printf("A(%d,%d)=%d\n", m, n, ackermann(m, n));
    printf("%ld %ld %d\n", power(3, 19), power(-7, 9), digit_sum(power(3, 19)));
    return ackermann(2, 3);
}
