// Unsigned bit-fields of every width from 1 to 8 side by side, with unnamed padding between them: each field takes values that wrap at its width while all its neighbours keep theirs, in a global, in a local and through a pointer.
#include "../e2e.h"

struct widths {
    unsigned f1 : 1;
    unsigned f2 : 2;
    unsigned f3 : 3;
    unsigned f4 : 4;
    unsigned : 2;
    unsigned f5 : 5;
    unsigned f6 : 6;
    unsigned : 0;
    unsigned f7 : 7;
    unsigned f8 : 8;
    u8 plain;
};

struct widths global;

void set_field(struct widths *w, u8 which, u8 v)
{
    switch (which) {
    case 1: w->f1 = v; break;
    case 2: w->f2 = v; break;
    case 3: w->f3 = v; break;
    case 4: w->f4 = v; break;
    case 5: w->f5 = v; break;
    case 6: w->f6 = v; break;
    case 7: w->f7 = v; break;
    case 8: w->f8 = v; break;
    default: w->plain = v; break;
    }
}

u8 get_field(struct widths *w, u8 which)
{
    switch (which) {
    case 1: return w->f1;
    case 2: return w->f2;
    case 3: return w->f3;
    case 4: return w->f4;
    case 5: return w->f5;
    case 6: return w->f6;
    case 7: return w->f7;
    case 8: return w->f8;
    default: return w->plain;
    }
}

u8 mask_of(u8 which)
{
    return which >= 8 ? 0xFF : (u8)((1u << which) - 1);
}

/* Sweeps every field of *w with values past its width; a neighbour that
   changes or a value that reads back unmasked counts as an error. */
u8 sweep(struct widths *w, u16 *check)
{
    u8 expected[10];
    u8 which, other, i, v, errors = 0;
    for (which = 1; which <= 9; which++) {
        expected[which] = (u8)(which * 37);
        set_field(w, which, expected[which]);
        expected[which] &= mask_of(which);
    }
    for (which = 1; which <= 9; which++) {
        for (i = 0; i < 40; i++) {
            v = (u8)(i * 7 + which);
            set_field(w, which, v);
            expected[which] = v & mask_of(which);
            *check = (u16)(*check * 3 + get_field(w, which));
            for (other = 1; other <= 9; other++)
                if (get_field(w, other) != expected[other])
                    errors++;
        }
    }
    return errors;
}

void main(void)
{
    struct widths local;
    u16 check;

    check = 0;
    put8(sweep(&global, &check));
    put16(check);
    put8(global.f1);
    put8(global.f2);
    put8(global.f3);
    put8(global.f4);
    put8(global.f5);
    put8(global.f6);
    put8(global.f7);
    put8(global.f8);
    put8(global.plain);

    check = 1;
    put8(sweep(&local, &check));
    put16(check);

    local.f1 = 1;
    local.f2 = 0;
    local.f3 = 7;
    local.f4 = 0;
    local.f5 = 31;
    local.f6 = 0;
    local.f7 = 127;
    local.f8 = 0;
    local.plain = 0x5A;
    put8(local.f1);
    put8(local.f3);
    put8(local.f5);
    put8(local.f7);
    put8(local.f2 | local.f4 | local.f6 | local.f8);
    put16((u16)(local.f1 + local.f3 * 2 + local.f5 * 4 + local.f7 * 8 + local.plain));
    global = local;
    put8(global.f7);
    put8(global.f6);
    put8(global.plain);
}
