/* A self-check that fails on purpose: a checksum over a table is compared
   with a wrong expected value, and abort() ends the program with status
   134 after what was printed so far. */
#include <stdio.h>
#include <stdlib.h>

static int table[10] = { 3, 1, 4, 1, 5, 9, 2, 6, 5, 3 };

static void check(int got, int expected)
{
    printf("check %d against %d\n", got, expected);
    if (got != expected)
        abort();
}

int main(void)
{
    int i, sum = 0, weighted = 0;
    for (i = 0; i < 10; i++) {
        sum += table[i];
        weighted += (i + 1) * table[i];
    }
    check(sum, 39);
    check(weighted, 213);
    check(weighted % 11, 0);
    printf("not reached\n");
    return 0;
}
