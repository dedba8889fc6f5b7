/* exit(3) from a function three calls deep, in the middle of a loop, once
   a search finds what it looks for: nothing after the call may run. */
#include <stdio.h>
#include <stdlib.h>

static int visited;

static void found(int where)
{
    printf("found at %d after %d visits\n", where, visited);
    exit(3);
}

static void inspect(int value, int where)
{
    visited++;
    if (value * value % 97 == 50)
        found(where);
}

static void scan(int from, int to)
{
    int i;
    for (i = from; i < to; i++)
        inspect(i * 13 + 5, i);
    printf("not reached\n");
}

int main(void)
{
    int i;
    for (i = 0; i < 3; i++)
        printf("pass %d\n", i);
    scan(0, 200);
    printf("nor this\n");
    return 0;
}
