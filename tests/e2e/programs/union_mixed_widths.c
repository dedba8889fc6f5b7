// Unions of 8-, 16-, 24- and 32-bit members, byte arrays and a struct of bytes: a value stored through one member read back through the others (both sides store the low byte first), unions in the frame, in arrays, passed and returned by value, and nested in structs.
#include "../e2e.h"
#include "../e2e_wide.h"

union word {
    u16 w;
    s16 s;
    u8 b[2];
};

union quad {
    u32 l;
    u24 t;
    u16 w[2];
    u8 b[4];
    struct { u8 low; u8 middle[2]; u8 high; } parts;
};

union small_or_big {
    u8 tag;
    u8 block[7];
};

struct packet {
    u8 kind;
    union quad payload;
    union word crc;
};

union quad table[4];

union quad swap_halves(union quad q)
{
    u16 t = q.w[0];
    q.w[0] = q.w[1];
    q.w[1] = t;
    return q;
}

union word make_word(u8 low, u8 high)
{
    union word w;
    w.b[0] = low;
    w.b[1] = high;
    return w;
}

u16 sum_bytes(union quad *q)
{
    return (u16)(q->b[0] + q->b[1] + q->b[2] + q->b[3]);
}

void main(void)
{
    union quad q, r;
    union word w;
    union small_or_big sb;
    struct packet pk;
    u8 i;
    u16 check;

    q.l = 0x12345678;
    put8(q.b[0]);
    put8(q.b[3]);
    put16(q.w[1]);
    put8(q.parts.low);
    put8(q.parts.middle[0]);
    put8(q.parts.high);
    q.parts.middle[1] = 0xAB;
    put16((u16)(q.l >> 12));
    put16((u16)q.t);
    put8((u8)(q.t >> 16));
    q.l = 0;
    q.t = 0xABCDEF;
    put8(q.b[0]);
    put8(q.b[2]);
    put8(q.b[3]);
    put16(q.w[1]);

    w = make_word(0x80, 0xFF);
    put16(w.w);
    put16((u16)(w.s / 16));
    w.s = -2;
    put8(w.b[0]);
    put8(w.b[1]);

    for (i = 0; i < 4; i++) {
        table[i].l = 0x01010101u * (u8)(i + 1);
        table[i].b[i] = 0xF0;
    }
    check = 0;
    for (i = 0; i < 4; i++) {
        r = swap_halves(table[i]);
        check = (u16)(check * 5 + sum_bytes(&r) + r.w[0]);
        put8(r.b[(u8)(i + 2) & 3]);
    }
    put16(check);
    r = swap_halves(swap_halves(table[3]));
    put8(r.l == table[3].l);

    sb.tag = 9;
    for (i = 1; i < 7; i++)
        sb.block[i] = (u8)(sb.block[i - 1] * 3);
    put8(sb.tag);
    put8(sb.block[6]);

    pk.kind = 7;
    pk.payload.l = 0;
    w = make_word(0x34, 0x12);
    pk.payload.parts.middle[0] = w.b[0];
    pk.payload.parts.middle[1] = w.b[1];
    pk.crc.w = (u16)(sum_bytes(&pk.payload) * 257u);
    put16((u16)(pk.payload.l >> 8));
    put8(pk.crc.b[1]);
    put8(pk.kind);
    pk.payload = swap_halves(pk.payload);
    put8(pk.payload.parts.middle[1]);
    put8(pk.payload.b[2]);
}
