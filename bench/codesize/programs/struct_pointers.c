// Pointers to structures: arrow chains, structures linked by pointers, and functions that change structures they are given.
// CODESIZE-EXPECT: 98 3A 63 A0 0F D5 07 42 E8 FD FD 24 28 1D 63 45 04 01
// CODESIZE-NEEDS: runtime
#include "bench.h"

struct node {
    u16 value;
    struct node *next;
    u8 tag;
};

struct node nodes[5];

struct node *build(u8 n)
{
    u8 i;
    for (i = 0; i < n; i++) {
        nodes[i].value = (u16)(i + 1) * 1000;
        nodes[i].tag = 'a' + i;
        nodes[i].next = i + 1 < n ? &nodes[i + 1] : 0;
    }
    return &nodes[0];
}

u16 total(const struct node *p)
{
    u16 s = 0;
    for (; p; p = p->next)
        s += p->value;
    return s;
}

void bump(struct node *p, u16 by)
{
    p->value += by;
    p->tag ^= 0x20;
}

struct node *remove_second(struct node *head)
{
    if (head && head->next)
        head->next = head->next->next;
    return head;
}

void main(void)
{
    struct node *head;
    struct node *p;

    head = build(5);
    put16(total(head));
    put8(head->next->next->tag);
    put16(head->next->next->next->value);

    bump(head->next, 5);
    bump(&nodes[4], 60000u);
    put16(nodes[1].value);
    put8(nodes[1].tag);
    put16(nodes[4].value);
    put16(total(head));

    remove_second(head);
    put16(total(head));
    put8(head->next->tag);

    /* Walk and count. */
    p = head;
    while (p->next)
        p = p->next;
    put8(p->tag);
    put8(p - nodes);
    put8((*head).next == &nodes[2]);
}
