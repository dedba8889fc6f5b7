// With static activation records a struct argument of five bytes is copied into the callee's parameter before the call.
// VEXC-OPTIONS: -sco
#include "../e2e.h"

struct block { u8 b[5]; };

u8 first_plus_last(struct block p)
{
    return (u8)(p.b[0] + p.b[4]);
}

void main(void)
{
    struct block q;
    u8 i;
    for (i = 0; i < 5; i++)
        q.b[i] = (u8)(9 + i);
    put8(first_plus_last(q));
}
