/* Singly linked lists of nodes taken from a static pool with a free list:
   sorted insertion, removal, reversal and merging of two sorted lists. */
#include <stdio.h>
#include <stdlib.h>

struct node {
    int value;
    struct node *next;
};

static struct node pool[24];
static struct node *free_list;

static void init_pool(void)
{
    int i;
    for (i = 0; i < 23; i++)
        pool[i].next = &pool[i + 1];
    pool[23].next = NULL;
    free_list = pool;
}

static struct node *take(int value)
{
    struct node *n = free_list;
    if (n == NULL)
        abort();
    free_list = n->next;
    n->value = value;
    n->next = NULL;
    return n;
}

static void give(struct node *n)
{
    n->next = free_list;
    free_list = n;
}

static struct node *insert_sorted(struct node *head, int value)
{
    struct node **p = &head;
    struct node *n = take(value);
    while (*p != NULL && (*p)->value < value)
        p = &(*p)->next;
    n->next = *p;
    *p = n;
    return head;
}

static struct node *remove_value(struct node *head, int value)
{
    struct node **p = &head;
    while (*p != NULL) {
        if ((*p)->value == value) {
            struct node *dead = *p;
            *p = dead->next;
            give(dead);
        } else {
            p = &(*p)->next;
        }
    }
    return head;
}

static struct node *reverse(struct node *head)
{
    struct node *prev = NULL;
    while (head != NULL) {
        struct node *next = head->next;
        head->next = prev;
        prev = head;
        head = next;
    }
    return prev;
}

static struct node *merge(struct node *a, struct node *b)
{
    struct node *head = NULL;
    struct node **tail = &head;
    while (a != NULL && b != NULL) {
        struct node **least = a->value <= b->value ? &a : &b;
        *tail = *least;
        tail = &(*least)->next;
        *least = (*least)->next;
    }
    *tail = a != NULL ? a : b;
    return head;
}

static int show(const struct node *n)
{
    int count = 0;
    for (; n != NULL; n = n->next, count++)
        printf("%d ", n->value);
    printf("(%d)\n", count);
    return count;
}

static int pool_free(void)
{
    int count = 0;
    struct node *n;
    for (n = free_list; n != NULL; n = n->next)
        count++;
    return count;
}

int main(void)
{
    struct node *a = NULL, *b = NULL;
    int i;
    init_pool();
    for (i = 0; i < 10; i++) {
        a = insert_sorted(a, (i * 7) % 11 - 3);
        b = insert_sorted(b, (i * 5) % 9);
    }
    show(a);
    show(b);
    b = remove_value(b, 0);
    b = remove_value(b, 4);
    a = remove_value(a, 100);
    show(b);
    a = merge(a, b);
    if (show(a) != 17 || pool_free() != 7)
        abort();
    a = reverse(a);
    show(a);
    while (a != NULL) {
        struct node *n = a;
        a = a->next;
        give(n);
    }
    return pool_free();
}
