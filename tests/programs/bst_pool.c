/* A binary search tree in a static pool of nodes, linked by indices:
   insertion with duplicates counted, lookups, in-order traversal with an
   explicit stack, height, and the k-th smallest key. */
#include <stdio.h>
#include <stdlib.h>

#define NONE 255

struct node {
    int key;
    unsigned char count, left, right;
};

static struct node tree[32];
static unsigned char stack[32];
static unsigned char used;
static unsigned char root = NONE;

static void insert(int key)
{
    unsigned char *link = &root;
    while (*link != NONE) {
        struct node *n = &tree[*link];
        if (key == n->key) {
            n->count++;
            return;
        }
        link = key < n->key ? &n->left : &n->right;
    }
    tree[used].key = key;
    tree[used].count = 1;
    tree[used].left = tree[used].right = NONE;
    *link = used++;
}

static int find(int key)
{
    unsigned char i = root;
    while (i != NONE && tree[i].key != key)
        i = key < tree[i].key ? tree[i].left : tree[i].right;
    return i == NONE ? 0 : tree[i].count;
}

static int height(unsigned char i)
{
    int l, r;
    if (i == NONE)
        return 0;
    l = height(tree[i].left);
    r = height(tree[i].right);
    return 1 + (l > r ? l : r);
}

int main(void)
{
    int sp = 0, i, printed = 0, previous = -32767, kth = 0;
    unsigned char at;
    for (i = 0; i < 60; i++)
        insert((i * 37 + 11) % 31 - 10);
    printf("%u nodes, height %d\n", used, height(root));
    at = root;
    while (sp > 0 || at != NONE) {
        while (at != NONE) {
            stack[sp++] = at;
            at = tree[at].left;
        }
        at = stack[--sp];
        if (tree[at].key <= previous)
            abort();
        previous = tree[at].key;
        if (++printed == 10)
            kth = previous;
        printf("%d%s ", tree[at].key, tree[at].count > 1 ? "+" : "");
        at = tree[at].right;
    }
    printf("\n%d %d %d %d %d\n", printed, kth, find(-10), find(5), find(100));
    if (printed != used)
        abort();
    return height(root);
}
