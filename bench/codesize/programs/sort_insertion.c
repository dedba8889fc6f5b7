// Insertion sort of unsigned 16-bit values and of records by key, stable for equal keys.
// CODESIZE-EXPECT: 00 00 00 00 01 00 FF 00 00 01 F3 01 F4 01 F5 01 FF 7F 00 80 40 9C FF FF 00 04 02 02 02 05 05 01 05 03 09 06
#include "bench.h"

u16 values[12] = { 500, 65535u, 0, 40000u, 499, 501, 1, 32768u, 32767, 0, 255, 256 };

struct item {
    u8 key;
    u8 id;
};

struct item items[6] = { { 5, 1 }, { 2, 2 }, { 5, 3 }, { 0, 4 }, { 2, 5 }, { 9, 6 } };

void insertion_sort(u16 *a, u8 n)
{
    u8 i, j;
    u16 v;
    for (i = 1; i < n; i++) {
        v = a[i];
        j = i;
        while (j > 0 && a[j - 1] > v) {
            a[j] = a[j - 1];
            j--;
        }
        a[j] = v;
    }
}

void sort_items(struct item *a, u8 n)
{
    u8 i, j;
    struct item v;
    for (i = 1; i < n; i++) {
        v = a[i];
        for (j = i; j > 0 && a[j - 1].key > v.key; j--)
            a[j] = a[j - 1];
        a[j] = v;
    }
}

void main(void)
{
    u8 i;
    insertion_sort(values, 12);
    for (i = 0; i < 12; i++)
        put16(values[i]);
    sort_items(items, 6);
    for (i = 0; i < 6; i++) {
        put8(items[i].key);
        put8(items[i].id);
    }
}
