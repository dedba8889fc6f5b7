// Bit-fields in arrays of structs, in the frame and in globals, beside 8- and 16-bit members: filled through pointers, copied whole, passed and returned by value, and packed into and unpacked from words.
#include "../e2e.h"

struct cell {
    u16 id;
    unsigned kind : 3;
    unsigned live : 1;
    unsigned level : 4;
    u8 weight;
    signed delta : 5;
    unsigned parity : 1;
    unsigned mark : 2;
};

#define CELLS 8

struct cell board[CELLS];

void init_cell(struct cell *c, u8 i)
{
    c->id = (u16)(1000u + (unsigned)i * 257u);
    c->kind = i;
    c->live = i & 1;
    c->level = (u8)(15 - i);
    c->weight = (u8)(i * 30);
    c->delta = (s8)(i * 3 - 12);
    c->parity = i >> 1;
    c->mark = (u8)(i + 2);
}

/* Works on its own copy: the caller's cell stays as it was. */
struct cell evolve(struct cell c)
{
    c.level = c.live ? (u8)(c.level + c.kind) : (u8)(c.level >> 1);
    c.live = !c.live;
    c.delta = (s8)-c.delta;
    c.weight = (u8)(c.weight + c.mark);
    c.id ^= 0xFF;
    return c;
}

u16 pack(struct cell c)
{
    return (u16)(c.kind | (c.live << 3) | (c.level << 4) | ((u16)(u8)c.delta << 8) | ((u16)c.mark << 14));
}

struct cell unpack(u16 w)
{
    struct cell c;
    c.id = w;
    c.kind = (u8)w;
    c.live = (u8)(w >> 3);
    c.level = (u8)(w >> 4);
    c.delta = (s8)(u8)(w >> 8);
    c.parity = 0;
    c.mark = (u8)(w >> 14);
    c.weight = 0;
    return c;
}

u16 digest(struct cell *c)
{
    return (u16)(c->id + c->kind + c->live * 3 + c->level * 5 + c->weight * 7 +
                 c->delta * 11 + c->parity * 13 + c->mark * 17);
}

void main(void)
{
    struct cell local[CELLS];
    struct cell one, two;
    struct cell *p;
    u8 i, lives;
    u16 check;

    for (i = 0; i < CELLS; i++)
        init_cell(&board[i], i);
    check = 0;
    for (p = board; p != board + CELLS; p++)
        check = (u16)(check * 3 + digest(p));
    put16(check);

    lives = 0;
    for (i = 0; i < CELLS; i++) {
        local[i] = evolve(board[i]);
        if (local[i].live)
            lives++;
    }
    put8(lives);
    check = 0;
    for (i = 0; i < CELLS; i++)
        check = (u16)(check * 5 + digest(&local[i]) - digest(&board[i]));
    put16(check);
    put8(board[3].level);
    put8(local[3].level);
    put8((u8)board[7].delta);
    put8((u8)local[7].delta);
    put8(local[5].mark);

    check = 0;
    for (i = 0; i < CELLS; i++) {
        one = unpack(pack(local[i]));
        two = local[i];
        if (one.kind != two.kind || one.live != two.live || one.level != two.level ||
            one.delta != two.delta || one.mark != two.mark)
            check += 0x100;
        check ^= pack(two);
    }
    put16(check);
    put16(pack(board[2]));

    one = board[6];
    one.level = 0;
    two = one;
    two.kind = 1;
    put8(two.level);
    put8(two.kind);
    put8(one.kind);
    put8(two.weight);
    put16(two.id);
    put8(board[6].level);
}
