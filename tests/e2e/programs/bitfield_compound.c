// Compound assignments, increments and decrements on bit-fields in data memory, in the frame and through pointers: the neighbours keep their bits, values wrap within the field, and the expression's value is the field's new (sign-extended) value or, for postfix steps, its old one.
#include "../e2e.h"

struct packed {
    unsigned char low : 3;
    signed char mid : 4;
    unsigned char top : 1;
    unsigned char whole;
};

struct packed global = {5, -2, 1, 0xAA};

void report(struct packed *s)
{
    put8(s->low);
    put8((u8)s->mid);
    put8(s->top);
    put8(s->whole);
}

void through_pointer(struct packed *s)
{
    put8((u8)(s->mid += 9));
    put8(s->low--);
    put8(--s->low);
    put8((u8)(s->mid *= 3));
    s->top ^= 1;
}

void main(void)
{
    struct packed local = {0, 7, 0, 0x55};
    u8 i;

    global.low += 4;
    global.mid -= 7;
    global.top++;
    put8(global.low++);
    put8((u8)++global.mid);
    put8((u8)(global.mid = -8));
    put8((u8)(global.mid |= 3));
    report(&global);

    for (i = 0; i < 5; i++) {
        local.low += i;
        local.mid -= 3;
        local.low <<= 1;
        local.top = (u8)(local.low & 1);
        put8((u8)(local.mid >> 1));
    }
    local.mid /= 2;
    local.low %= 3;
    report(&local);

    through_pointer(&global);
    through_pointer(&local);
    report(&global);
    report(&local);
}
