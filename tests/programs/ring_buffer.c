/* A ring buffer queue of bytes with a power-of-two size and free-running
   8-bit indices: bursts of pushes and pops, overflow refusals, and the
   order of everything that came out. */
#include <stdio.h>
#include <stdlib.h>

#define SIZE 16

static unsigned char ring[SIZE];
static unsigned char head, tail;

static int count(void)
{
    return (unsigned char)(head - tail);
}

static int push(unsigned char c)
{
    if (count() == SIZE)
        return 0;
    ring[head++ & (SIZE - 1)] = c;
    return 1;
}

static int pop(void)
{
    if (head == tail)
        return -1;
    return ring[tail++ & (SIZE - 1)];
}

int main(void)
{
    int round, refused = 0, popped = 0, expected = 0;
    unsigned next = 0;
    unsigned sum = 0;
    for (round = 0; round < 60; round++) {
        int burst = (round * 7) % 23;
        int drain = (round * 5) % 19;
        int i;
        for (i = 0; i < burst; i++) {
            if (push((unsigned char)next))
                next++;
            else
                refused++;
        }
        for (i = 0; i < drain; i++) {
            int c = pop();
            if (c < 0)
                break;
            if (c != (expected & 0xFF))
                abort();
            expected++;
            popped++;
            sum += (unsigned)c;
        }
        if (round % 6 == 0)
            printf("%2d: in %2d out %3d left %2d refused %3d\n", round, burst, popped, count(), refused);
    }
    while (pop() >= 0)
        popped++;
    printf("%u %d %d %u\n", next, popped, refused, sum);
    if ((unsigned)popped != next || count() != 0)
        abort();
    return refused & 0x7F;
}
