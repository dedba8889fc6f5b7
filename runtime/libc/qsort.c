#include <stdlib.h>

/* Shell sort over the gaps 1, 4, 13, 40, ... (each three times the last
   plus one): no recursion and no buffer, so the stack use does not grow
   with the count, and elements of any size are moved by swapping them
   byte by byte. */
static void swap(unsigned char *a, unsigned char *b, size_t size)
{
    unsigned char t;

    while (size) {
        t = *a;
        *a++ = *b;
        *b++ = t;
        size--;
    }
}

void qsort(void *base, size_t count, size_t size, int (*compare)(const void *, const void *))
{
    unsigned char *first = (unsigned char *)base;
    unsigned char *p;
    size_t gap = 1;
    size_t i, j;

    while (gap < count / 9)
        gap = gap * 3 + 1;
    for (; gap; gap /= 3) {
        for (i = gap; i < count; i++) {
            for (j = i; j >= gap; j -= gap) {
                p = first + j * size;
                if (compare(p - gap * size, p) <= 0)
                    break;
                swap(p - gap * size, p, size);
            }
        }
    }
}
