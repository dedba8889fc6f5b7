// Bit-fields of structs in program memory: read by name, by index and through rom pointers, tested as conditions, signed fields extended, and written back with stores, constants and compound assignments.
#include "../e2e.h"

struct mode {
    unsigned char enabled : 1;
    unsigned char level : 3;
    signed char trim : 4;
    unsigned char id;
    unsigned char ready : 1;
    unsigned char spare : 7;
};

rom struct mode modes[4] = {
    {1, 5, -3, 10, 0, 99},
    {0, 7, 7, 11, 1, 0},
    {1, 0, -8, 12, 1, 127},
    {0, 2, 1, 13, 0, 64},
};

u8 summary(rom struct mode *m)
{
    u8 score = m->id;
    if (m->enabled)
        score += 100;
    if (!m->ready)
        score += 50;
    return (u8)(score + m->level * 2 + m->trim);
}

void main(void)
{
    u8 i;
    rom struct mode *p;

    for (i = 0; i < 4; i++) {
        put8(summary(&modes[i]));
        put8((u8)modes[i].trim);
        put8(modes[i].spare);
    }

    modes[0].enabled = 0;
    modes[1].ready = 0;
    modes[2].trim = 5;
    modes[3].level += 3;
    p = &modes[1];
    p->spare = 0x55;
    p->level--;
    for (i = 0; i < 4; i++) {
        p = modes + i;
        put8(summary(p));
        put8(p->spare);
        put8(p->id);
    }
}
