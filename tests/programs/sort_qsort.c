/* qsort of ints both ways and bsearch over the sorted array, with keys
   present and absent, checked against a linear scan. */
#include <stdio.h>
#include <stdlib.h>

static int data[40];

static int ascending(const void *a, const void *b)
{
    int x = *(const int *)a;
    int y = *(const int *)b;
    return (x > y) - (x < y);
}

static int descending(const void *a, const void *b)
{
    return ascending(b, a);
}

int main(void)
{
    unsigned seed = 12345u;
    int i, found = 0, missing = 0;
    for (i = 0; i < 40; i++) {
        seed = (unsigned)((seed * 25173ul + 13849ul) & 0xFFFFu);
        data[i] = (int)(seed % 2000u) - 1000;
    }
    qsort(data, 40, sizeof data[0], ascending);
    for (i = 0; i < 40; i++) {
        if (i > 0 && data[i - 1] > data[i])
            abort();
        printf("%d%c", data[i], i % 10 == 9 ? '\n' : ' ');
    }
    for (i = -1000; i < 1000; i += 37) {
        int *p = bsearch(&i, data, 40, sizeof data[0], ascending);
        int j, linear = 0;
        for (j = 0; j < 40; j++)
            linear |= data[j] == i;
        if ((p != NULL) != linear)
            abort();
        if (p != NULL) {
            found++;
            printf("found %d at %d\n", i, (int)(p - data));
        } else {
            missing++;
        }
    }
    qsort(data, 40, sizeof data[0], descending);
    for (i = 1; i < 40; i++)
        if (data[i - 1] < data[i])
            abort();
    printf("%d %d %d %d\n", found, missing, data[0], data[39]);
    return found;
}
