// Rom pointers kept in RAM structs and rom tables, returned from functions, stepped, compared and subtracted: a menu of rom labels and rom data blocks linked through RAM pointers.
#include "../e2e.h"

rom u8 block_a[6] = { 1, 2, 3, 4, 5, 6 };
rom u8 block_b[3] = { 0xF0, 0x0F, 0xAA };
rom u8 block_c[8] = { 9, 8, 7, 6, 5, 4, 3, 2 };
rom u16 wide_block[4] = { 1000, 2000, 0xFFFF, 7 };

rom char label_a[] = "start";
rom char label_b[] = "stop";
rom char label_c[] = "reset";

rom u8 *rom blocks[3] = { block_a, block_b, block_c };
rom u8 block_sizes[3] = { 6, 3, 8 };

struct item {
    rom char *label;
    rom u8 *data;
    u8 size;
    struct item *next;
};

struct item items[3];

struct cursor {
    rom u8 *at;
    rom u8 *end;
    rom u16 *word;
};

u8 sum_block(rom u8 *p, rom u8 *end)
{
    u8 sum = 0;
    while (p != end)
        sum = (u8)(sum * 3 + *p++);
    return sum;
}

rom u8 *largest_block(void)
{
    u8 i, best = 0;
    for (i = 1; i < 3; i++)
        if (block_sizes[i] > block_sizes[best])
            best = i;
    return blocks[best];
}

rom char *label_of(u8 which)
{
    switch (which) {
    case 0:
        return label_a;
    case 1:
        return label_b;
    default:
        return label_c;
    }
}

u8 label_hash(rom char *s)
{
    u8 h = 0;
    while (*s)
        h = (u8)((h << 1) ^ (u8)*s++);
    return h;
}

u8 advance(struct cursor *c, u8 steps)
{
    u8 taken = 0;
    while (steps-- && c->at < c->end) {
        c->at++;
        taken++;
    }
    return taken;
}

void main(void)
{
    struct item *it;
    struct cursor cur;
    rom u8 *p;
    u8 i, check;
    u16 words;

    for (i = 0; i < 3; i++) {
        items[i].label = label_of(i);
        items[i].data = blocks[i];
        items[i].size = block_sizes[i];
        items[i].next = i < 2 ? &items[i + 1] : 0;
    }
    check = 0;
    for (it = &items[0]; it; it = it->next) {
        put8(sum_block(it->data, it->data + it->size));
        put8(label_hash(it->label));
        put8((u8)it->label[1]);
        check = (u8)(check + it->data[it->size - 1]);
    }
    put8(check);

    p = largest_block();
    put8((u8)(p == block_c));
    put8(p[3]);
    p = items[1].data;
    put8((u8)(p == block_b));
    put8(*(p + 2));

    cur.at = block_a;
    cur.end = block_a + 6;
    cur.word = wide_block;
    put8(advance(&cur, 4));
    put8(*cur.at);
    put8(advance(&cur, 4));
    put8((u8)(cur.at - block_a));
    put8((u8)(cur.at == cur.end));
    words = 0;
    for (i = 0; i < 4; i++) {
        words = (u16)(words ^ (*cur.word << i));
        cur.word++;
    }
    put16(words);
    put8((u8)(cur.word - wide_block));
    cur.word -= 2;
    put16(cur.word[0]);

    items[0].data = items[2].data + 5;
    put8(items[0].data[-1]);
    put8((u8)(items[0].data - blocks[2]));
}
