// Tables of records in program memory: a binary search by key, whole records copied into RAM, rom record pointers stepped and passed to functions, nested records with arrays, and a two-dimensional rom table.
#include "../e2e.h"
#include "../e2e_wide.h"

struct range { s16 low, high; };

struct part {
    u8 key;
    char name[5];
    struct range limits;
    u32 mask;
    s8 trim;
};

#define PARTS 7

/* Sorted by key for the search. */
rom struct part parts[PARTS] = {
    { 3, "bolt", { -10, 10 }, 0x00000001, -1 },
    { 8, "cam", { 0, 255 }, 0x80000000, 5 },
    { 15, "dial", { -300, -100 }, 0x0000FF00, -128 },
    { 21, "gear", { 1000, 30000 }, 0x12345678, 127 },
    { 40, "hub", { -32767 - 1, 32767 }, 0xFFFFFFFF, 0 },
    { 77, "pin", { 5, 6 }, 0x00010000, -50 },
    { 200, "vane", { -2, 2 }, 0x0F0F0F0F, 33 },
};

rom u8 grid[4][5] = {
    { 1, 2, 3, 4, 5 },
    { 10, 20, 30, 40, 50 },
    { 0xFF, 0xFE, 0xFD, 0xFC, 0xFB },
    { 7, 0, 7, 0, 7 },
};

rom struct part *find(u8 key)
{
    u8 lo = 0, hi = PARTS;
    u8 mid;
    while (lo < hi) {
        mid = (u8)((lo + hi) >> 1);
        if (parts[mid].key == key)
            return &parts[mid];
        if (parts[mid].key < key)
            lo = (u8)(mid + 1);
        else
            hi = mid;
    }
    return 0;
}

u8 in_range(rom struct part *p, s16 v)
{
    return v >= p->limits.low && v <= p->limits.high;
}

u8 name_sum(rom struct part *p)
{
    u8 i, sum = 0;
    for (i = 0; i < 5 && p->name[i]; i++)
        sum = (u8)(sum * 7 + p->name[i]);
    return sum;
}

rom u8 probes[10] = { 3, 4, 8, 15, 21, 22, 40, 77, 200, 0 };
s16 values[5] = { 0, -200, 5000, -32767 - 1, 6 };

void main(void)
{
    rom struct part *p;
    struct part copy;
    u8 i, j, found, hits;
    u16 check;
    u32 masks;

    found = 0;
    check = 0;
    for (i = 0; i < 10; i++) {
        p = find(probes[i]);
        if (p) {
            found = (u8)((found << 1) | 1);
            check = (u16)(check * 31 + name_sum(p) + (u8)p->trim);
        } else {
            found = (u8)(found << 1);
        }
    }
    put8(found);
    put16(check);

    hits = 0;
    for (p = parts; p < parts + PARTS; p++)
        for (j = 0; j < 5; j++)
            if (in_range(p, values[j]))
                hits++;
    put8(hits);

    masks = 0;
    p = &parts[PARTS - 1];
    for (i = 0; i < PARTS; i++, p--)
        masks = (masks << 1) ^ p->mask;
    put16((u16)masks);
    put16((u16)(masks >> 16));

    copy = parts[3];
    put8(copy.key);
    put8((u8)copy.name[1]);
    put16((u16)copy.limits.high);
    put16((u16)(copy.mask >> 8));
    put8((u8)copy.trim);
    copy = *find(15);
    copy.trim++;
    put8((u8)copy.trim);
    put16((u16)copy.limits.low);
    put8((u8)parts[2].trim);

    check = 0;
    for (i = 0; i < 4; i++)
        for (j = 0; j < 5; j++)
            check = (u16)(check * 3 + grid[i][j]);
    put16(check);
    put8(grid[2][4]);
    put8(grid[(u8)(found & 3)][(u8)(hits % 5)]);
}
