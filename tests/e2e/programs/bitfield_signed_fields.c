// Signed bit-fields of widths 2 to 7 beside unsigned ones: every value of each width read back sign-extended into 8 and 16 bits, compared with signed and unsigned operands, used in products and quotients, and assigned between fields of different widths and signedness.
#include "../e2e.h"

struct mixed {
    signed s2 : 2;
    unsigned u3 : 3;
    signed s3 : 3;
    signed s4 : 4;
    signed s7 : 7;
    unsigned u1 : 1;
    signed s5 : 5;
    signed s6 : 6;
    s8 whole;
};

struct mixed m;
s8 wraps[4] = { 9, 12, 0x1F, 3 };

s8 get(struct mixed *p, u8 width)
{
    switch (width) {
    case 2: return p->s2;
    case 3: return p->s3;
    case 4: return p->s4;
    case 5: return p->s5;
    case 6: return p->s6;
    case 7: return p->s7;
    default: return p->whole;
    }
}

void set(struct mixed *p, u8 width, s8 v)
{
    switch (width) {
    case 2: p->s2 = v; break;
    case 3: p->s3 = v; break;
    case 4: p->s4 = v; break;
    case 5: p->s5 = v; break;
    case 6: p->s6 = v; break;
    case 7: p->s7 = v; break;
    default: p->whole = v; break;
    }
}

void main(void)
{
    struct mixed local;
    u8 width, negatives, errors;
    s8 v, low, high, r;
    s16 sum, wide;
    u16 check;

    m.u3 = 5;
    m.u1 = 1;
    errors = 0;
    check = 0;
    for (width = 2; width <= 8; width++) {
        high = (s8)((1 << (width - 1)) - 1);
        low = (s8)(-high - 1);
        sum = 0;
        negatives = 0;
        v = low;
        for (;;) {
            set(&m, width, v);
            r = get(&m, width);
            if (r != v)
                errors++;
            wide = r;
            sum += wide * 3;
            if (r < 0)
                negatives++;
            if (r < -1 && (u8)r > 200)
                check++;
            if (v == high)
                break;
            v++;
        }
        put16((u16)sum);
        put8(negatives);
        if (m.u3 != 5 || m.u1 != 1)
            errors += 16;
    }
    put8(errors);
    put8(check);

    m.s2 = -2;
    m.s3 = -4;
    m.s4 = 7;
    m.s5 = -16;
    m.s6 = 31;
    m.s7 = -64;
    m.whole = -128;
    put16((u16)(s16)m.s2);
    put16((u16)(m.s3 * m.s7));
    put16((u16)(m.s5 * m.s6 + m.s4));
    put16((u16)(m.whole / m.s3));
    put16((u16)(m.s7 % m.s4));
    put8(m.s3 < m.u3);
    put8(m.s2 + m.u1 < 0);
    put8((u8)m.s6 == 31);
    put8((u16)m.s5 > 100u);

    local = m;
    local.s7 = local.s2;
    local.u3 = local.s4;
    local.s4 = local.u3;
    local.s3 = local.s5 >> 2;
    local.s6 = -local.s6;
    put8((u8)local.s7);
    put8(local.u3);
    put8((u8)local.s4);
    put8((u8)local.s3);
    put8((u8)local.s6);
    put8((u8)local.whole);
    put8(local.u1);

    /* Values outside a field's range keep their low bits, the top one
       being the sign. */
    local.s4 = wraps[0];
    local.s3 = wraps[1];
    local.s5 = wraps[2];
    local.s2 = wraps[3];
    put8((u8)local.s4);
    put8((u8)local.s3);
    put8((u8)local.s5);
    put8((u8)local.s2);
}
