// Lists and a tree built from structs in a static pool, linked through pointers to structs inside structs: a free list, sorted insertion, removal, reversal and merging of singly linked lists, and a binary search tree walked in order by recursion.
#include "../e2e.h"

struct node {
    s16 key;
    u8 tag;
    struct node *next;
};

struct tree {
    u8 value;
    struct tree *left, *right;
};

#define NODES 16
#define TREES 12

struct node pool[NODES];
struct node *free_list;
struct tree trees[TREES];
u8 trees_used;

void pool_init(void)
{
    u8 i;
    free_list = 0;
    for (i = NODES; i-- > 0;) {
        pool[i].next = free_list;
        free_list = &pool[i];
    }
}

struct node *alloc(s16 key, u8 tag)
{
    struct node *n = free_list;
    if (!n)
        return 0;
    free_list = n->next;
    n->key = key;
    n->tag = tag;
    n->next = 0;
    return n;
}

void release(struct node *n)
{
    n->next = free_list;
    free_list = n;
}

/* Keeps the list sorted by key; equal keys stay in arrival order. */
void insert_sorted(struct node **head, struct node *n)
{
    while (*head && (*head)->key <= n->key)
        head = &(*head)->next;
    n->next = *head;
    *head = n;
}

u8 remove_tag(struct node **head, u8 tag)
{
    u8 removed = 0;
    struct node *n;
    while (*head) {
        n = *head;
        if (n->tag == tag) {
            *head = n->next;
            release(n);
            removed++;
        } else {
            head = &n->next;
        }
    }
    return removed;
}

struct node *reverse(struct node *head)
{
    struct node *done = 0, *next;
    while (head) {
        next = head->next;
        head->next = done;
        done = head;
        head = next;
    }
    return done;
}

struct node *merge(struct node *a, struct node *b)
{
    struct node first;
    struct node *tail = &first;
    while (a && b) {
        if (a->key <= b->key) {
            tail->next = a;
            a = a->next;
        } else {
            tail->next = b;
            b = b->next;
        }
        tail = tail->next;
    }
    tail->next = a ? a : b;
    return first.next;
}

u16 list_digest(struct node *n, u8 *count)
{
    u16 h = 0;
    *count = 0;
    for (; n; n = n->next) {
        h = (u16)(h * 7 + (u16)n->key + n->tag);
        (*count)++;
    }
    return h;
}

u8 free_count(void)
{
    u8 c = 0;
    struct node *n;
    for (n = free_list; n; n = n->next)
        c++;
    return c;
}

struct tree *tree_insert(struct tree *root, u8 value)
{
    struct tree **link = &root;
    struct tree *t;
    while (*link)
        link = value < (*link)->value ? &(*link)->left : &(*link)->right;
    t = &trees[trees_used++];
    t->value = value;
    t->left = t->right = 0;
    *link = t;
    return root;
}

u8 walk_order[TREES];
u8 walked;

void in_order(struct tree *t)
{
    if (!t)
        return;
    in_order(t->left);
    walk_order[walked++] = t->value;
    in_order(t->right);
}

u8 depth(struct tree *t)
{
    u8 l, r;
    if (!t)
        return 0;
    l = depth(t->left);
    r = depth(t->right);
    return (u8)(1 + (l > r ? l : r));
}

s16 keys[12] = { 50, -3, 700, 12, 12, -900, 31000, 0, 5, -3, 44, 12 };
rom u8 values[TREES] = { 50, 20, 80, 10, 30, 70, 90, 25, 35, 5, 85, 60 };

void main(void)
{
    struct node *a = 0, *b = 0, *n;
    u8 i, count;
    u16 h;

    pool_init();
    for (i = 0; i < 12; i++) {
        n = alloc(keys[i], (u8)(i % 3));
        if (i & 1)
            insert_sorted(&a, n);
        else
            insert_sorted(&b, n);
    }
    put8(free_count());
    put16(list_digest(a, &count));
    put8(count);
    put16(list_digest(b, &count));
    put8(count);

    a = merge(a, b);
    put16(list_digest(a, &count));
    put8(count);
    put16((u16)a->key);
    put8(remove_tag(&a, 1));
    put8(free_count());
    a = reverse(a);
    put16(list_digest(a, &count));
    put8(count);
    put16((u16)a->key);

    for (i = 0; i < 8; i++) {
        n = alloc((s16)(i * 100 - 350), 9);
        if (!n) {
            put8((u8)(0xF0 + i));
            break;
        }
        insert_sorted(&a, n);
    }
    h = list_digest(a, &count);
    put16(h);
    put8(count);
    put8(free_count());

    {
        struct tree *root = 0;
        for (i = 0; i < TREES; i++)
            root = tree_insert(root, values[i]);
        in_order(root);
        h = 0;
        for (i = 0; i < walked; i++)
            h = (u16)(h * 3 + walk_order[i]);
        put16(h);
        put8(walked);
        put8(depth(root));
        put8(root->left->right->left->value);
        put8(trees[6].right == 0);
    }
}
