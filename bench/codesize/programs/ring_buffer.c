// A ring buffer of bytes with power-of-two indices: filling, overflow refusal, draining and wrap-around of the indices.
// CODESIZE-EXPECT: 01 01 01 01 01 01 01 01 00 00 08 02 01 00 02 00 03 00 05 1E 39 80 7B 05 C6 3A C5 3B C4 FF FF 02
#include "bench.h"

#define RING_SIZE 8

struct ring {
    u8 data[RING_SIZE];
    u8 head;
    u8 tail;
    u8 dropped;
};

struct ring rx;

u8 ring_count(const struct ring *r)
{
    return (u8)(r->head - r->tail);
}

u8 ring_put(struct ring *r, u8 b)
{
    if (ring_count(r) == RING_SIZE) {
        r->dropped++;
        return 0;
    }
    r->data[r->head & (RING_SIZE - 1)] = b;
    r->head++;
    return 1;
}

/* Returns -1 when empty, else the byte. */
s16 ring_get(struct ring *r)
{
    u8 b;
    if (r->head == r->tail)
        return -1;
    b = r->data[r->tail & (RING_SIZE - 1)];
    r->tail++;
    return b;
}

void main(void)
{
    u8 i, round;
    u16 sum;
    s16 v;

    for (i = 0; i < 10; i++)
        put8(ring_put(&rx, i + 1));
    put8(ring_count(&rx));
    put8(rx.dropped);
    for (i = 0; i < 3; i++)
        put16(ring_get(&rx));
    put8(ring_count(&rx));

    /* Run the free-running indices past 255 so that they wrap. */
    sum = 0;
    for (round = 0; round < 60; round++) {
        ring_put(&rx, round);
        ring_put(&rx, round ^ 0xFF);
        v = ring_get(&rx);
        if (v >= 0)
            sum += v;
        v = ring_get(&rx);
        if (v >= 0)
            sum += v;
    }
    put16(sum);
    put8(rx.head);
    put8(rx.tail);
    put8(ring_count(&rx));
    while ((v = ring_get(&rx)) >= 0)
        put8((u8)v);
    put16(ring_get(&rx));
    put8(rx.dropped);
}
