// Unions laying named bit-fields over a whole byte, as for a device register: fields written and the byte read, the byte written and the fields read, single flags tested, and such unions in arrays, locals and behind pointers. Each group of fields fills its byte exactly, allocated from bit 0 up on both sides.
#include "../e2e.h"

union control {
    u8 byte;
    struct {
        u8 enable : 1;
        u8 mode : 3;
        u8 prescale : 4;
    } bits;
};

union status {
    u8 byte;
    struct {
        u8 ready : 1;
        u8 error : 1;
        u8 count : 2;
        s8 offset : 4;
    } bits;
};

union control ctl;
union status stat[4];

u8 encode(u8 enable, u8 mode, u8 prescale)
{
    union control c;
    c.byte = 0;
    c.bits.enable = enable;
    c.bits.mode = mode;
    c.bits.prescale = prescale;
    return c.byte;
}

u8 mode_of(union control *c)
{
    return c->bits.mode;
}

void bump(union status *s)
{
    if (!s->bits.error) {
        s->bits.count++;
        if (s->bits.count == 0)
            s->bits.error = 1;
    }
    s->bits.offset--;
    s->bits.ready = !s->bits.ready;
}

void main(void)
{
    union control local;
    union status one;
    u8 i, j, errors, ready;
    u16 check;

    errors = 0;
    check = 0;
    for (i = 0; i < 16; i++) {
        for (j = 0; j < 16; j++) {
            ctl.byte = encode(i & 1, (u8)(i >> 1), j);
            local.byte = (u8)(j << 4 | i);
            if (ctl.byte != local.byte)
                errors++;
            if (local.bits.enable != (i & 1) || mode_of(&local) != i >> 1 || local.bits.prescale != j)
                errors++;
        }
        check = (u16)(check * 3 + ctl.byte);
    }
    put8(errors);
    put16(check);

    for (i = 0; i < 4; i++)
        stat[i].byte = (u8)(i * 0x47);
    for (j = 0; j < 11; j++)
        for (i = 0; i < 4; i++)
            if (i <= j)
                bump(&stat[i]);
    ready = 0;
    for (i = 0; i < 4; i++) {
        put8(stat[i].byte);
        put8((u8)stat[i].bits.offset);
        if (stat[i].bits.ready)
            ready |= (u8)(1 << i);
    }
    put8(ready);

    one = stat[2];
    one.bits.offset = -8;
    put8(one.byte);
    one.byte ^= 0x0F;
    put8(one.bits.ready);
    put8(one.bits.error);
    put8(one.bits.count);
    put8((u8)one.bits.offset);

    local.byte = 0xFF;
    local.bits.mode = 0;
    put8(local.byte);
    local.bits.prescale >>= 1;
    local.bits.enable = 0;
    put8(local.byte);
    if (local.bits.mode || !local.bits.prescale)
        put8(0xEE);
    else
        put8(local.bits.prescale);
}
