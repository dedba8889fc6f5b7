// Far rom pointers in the small memory model: tables placed as far, walked through three-byte pointers of every element width, near rom addresses widened to far ones, and far pointers passed, returned and kept in a table.
#include "../e2e.h"
#include "../e2e_wide.h"

struct pair { u8 tag; s16 value; };

rom far u8 far_bytes[7] = { 0x11, 0x22, 0x33, 0x44, 0x55, 0x66, 0x77 };
rom far u16 far_words[5] = { 0x0102, 0xFFFE, 0x8000, 12345, 0 };
rom far u24 far_tri[3] = { 0xABCDEF, 0x010203, 0xFFFFFF };
rom far u32 far_quads[3] = { 0xCAFEF00D, 0x00000001, 0x7FFFFFFF };
rom far struct pair far_pairs[4] = { { 'a', -1 }, { 'b', 300 }, { 'c', -32767 - 1 }, { 'd', 42 } };
rom far char far_text[] = "far away";
rom u8 near_bytes[4] = { 9, 7, 5, 3 };
rom char near_text[] = "near";

rom far u8 *rom far byte_tables[2] = { far_bytes, near_bytes };

u8 far_sum(rom far u8 *p, u8 n)
{
    u8 sum = 0;
    while (n--)
        sum = (u8)(sum * 5 + *p++);
    return sum;
}

u8 far_len(rom far char *s)
{
    rom far char *start = s;
    while (*s)
        s++;
    return (u8)(s - start);
}

rom far struct pair *find_tag(char tag)
{
    rom far struct pair *p;
    for (p = far_pairs; p < far_pairs + 4; p++)
        if (p->tag == tag)
            return p;
    return 0;
}

void main(void)
{
    rom far u16 *w;
    rom far u24 *t;
    rom far u32 *q;
    rom far struct pair *p;
    rom far u8 *b;
    u32 total;
    u16 check;
    u8 i;

    put8(far_sum(far_bytes, 7));
    put8(far_sum(near_bytes, 4));
    put8(far_sum(byte_tables[1], 2));
    put8(byte_tables[0][6]);
    b = far_bytes + 6;
    put8(*b);
    b -= 5;
    put8(b[1]);

    check = 0;
    for (w = far_words; w != far_words + 5; w++)
        check = (u16)((check << 1) ^ *w);
    put16(check);
    total = 0;
    for (t = far_tri, i = 0; i < 3; i++, t++)
        total += *t;
    put16((u16)total);
    put16((u16)(total >> 16));
    q = &far_quads[2];
    total = *q;
    q--;
    total ^= *q;
    put16((u16)total);
    put16((u16)(total >> 16));
    put16((u16)(far_quads[0] >> 12));

    p = find_tag('c');
    put16((u16)p->value);
    put8((u8)(p - far_pairs));
    p = find_tag('z');
    put8(p == 0);
    check = 0;
    for (i = 0; i < 4; i++)
        check = (u16)(check + (u16)far_pairs[i].value + far_pairs[i].tag);
    put16(check);

    put8(far_len(far_text));
    put8(far_len(near_text));
    put8(far_len("a literal"));
    put8((u8)far_text[4]);
}
