// Pre- and post-increment and decrement of 32- and 24-bit globals, locals, array elements, struct members and pointer targets across every byte carry, and of pointers to them.
#include "../e2e.h"
#include "../e2e_wide.h"

u32 edges[8] = { 0, 0xFFUL, 0x100UL, 0xFFFFUL, 0x10000UL, 0xFFFFFFUL, 0x1000000UL, 0xFFFFFFFFUL };
s32 sedges[6] = { -2147483647L, -16777216L, -65536L, -256, -1, 2147483645L };
u24 edges24[5] = { 0, 0xFFUL, 0xFFFFUL, 0x10000UL, 0xFFFFFFUL };

u32 g;
s32 gs;
u24 g24;
u32 table[5];
struct pair { u8 tag; u32 value; s24 small; } pairs[2];

/* Each place gives the value of ++x, x++, --x and x-- in turn and what it
   holds after them. */
void global_place(u32 v)
{
    g = v;
    mix(++g);
    mix(g++);
    mix(g);
    mix(--g);
    mix(g--);
    mix(g--);
    mix(g);
    g++;
    mix(g);
}

void local_place(u32 v)
{
    u32 l = v;
    mix(++l);
    mix(l++);
    mix(l);
    mix(--l);
    mix(l--);
    mix(l--);
    mix(l);
    l++;
    mix(l);
}

void element_place(u32 v, u8 i)
{
    table[i] = v;
    mix(++table[i]);
    mix(table[i]++);
    mix(table[i]);
    mix(--table[i]);
    mix(table[i]--);
    mix(table[i]--);
    mix(table[i]);
    table[i]++;
    mix(table[i]);
}

void member_place(u32 v, struct pair *p)
{
    p->value = v;
    mix(++p->value);
    mix(p->value++);
    mix(p->value);
    mix(--p->value);
    mix(p->value--);
    mix(p->value--);
    mix(p->value);
    p->value++;
    mix(p->value);
}

void pointer_place(u32 v, u32 *p)
{
    *p = v;
    mix(++*p);
    mix((*p)++);
    mix(*p);
    mix(--*p);
    mix((*p)--);
    mix((*p)--);
    mix(*p);
    (*p)++;
    mix(*p);
}

void signed_place(s32 v)
{
    gs = v;
    mix((u32)++gs);
    mix((u32)gs++);
    mix((u32)--gs);
    mix((u32)gs--);
    mix((u32)gs);
    mix(gs < 0);
}

void small_place(u24 v)
{
    g24 = v;
#ifdef __VxCORE
    mix(++g24);
    mix(g24++);
    mix(g24);
    mix(--g24);
    mix(g24--);
    mix(g24--);
    mix(g24);
#else
    g24 = U24(g24 + 1); mix(g24);
    mix(g24); g24 = U24(g24 + 1);
    mix(g24);
    g24 = U24(g24 - 1); mix(g24);
    mix(g24); g24 = U24(g24 - 1);
    mix(g24); g24 = U24(g24 - 1);
    mix(g24);
#endif
}

void main(void)
{
    u8 i, n;
    u32 *p;
    u32 sum;
    u16 ref;

    /* Every place must leave the same trail as the global. */
    for (i = 0; i < 8; i++) {
        check = 0;
        global_place(edges[i]);
        ref = check;
        put16(ref);
        n = 0;
        check = 0;
        local_place(edges[i]);
        n |= check != ref;
        check = 0;
        element_place(edges[i], (u8)(i & 3));
        n |= (check != ref) << 1;
        check = 0;
        member_place(edges[i], &pairs[i & 1]);
        n |= (check != ref) << 2;
        check = 0;
        pointer_place(edges[i], &table[4]);
        n |= (check != ref) << 3;
        put8(n);
    }
    check = 0;
    for (i = 0; i < 6; i++)
        signed_place(sedges[i]);
    for (i = 0; i < 5; i++)
        small_place(edges24[i]);
    pairs[1].small = -1;
    pairs[1].small++;
    mix((u32)(s32)pairs[1].small);
    pairs[1].small--;
    pairs[1].small--;
    mix((u32)(s32)pairs[1].small);
    put16(check);

    /* Pointers to 32-bit elements step by four bytes. */
    for (i = 0; i < 5; i++)
        table[i] = edges[i + 3];
    p = table;
    sum = *p++;
    sum += *p++;
    sum += *++p;
    p--;
    sum ^= *p--;
    sum += *p;
    put32(sum);
    put8((u8)(p - table));
    put8(pairs[0].tag);
}
