#include <stdlib.h>

void *bsearch(const void *key, const void *base, size_t count, size_t size,
              int (*compare)(const void *, const void *))
{
    const unsigned char *low = (const unsigned char *)base;
    const unsigned char *middle;
    int order;

    while (count) {
        middle = low + (count / 2) * size;
        order = compare(key, middle);
        if (order == 0)
            return (void *)middle;
        if (order > 0) {
            low = middle + size;
            count -= count / 2 + 1;
        } else {
            count /= 2;
        }
    }
    return NULL;
}
