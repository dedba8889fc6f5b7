// goto forwards and backwards: a loop made of labels, leaving nested loops, and shared clean-up code.
#include "../e2e.h"

u8 table[3][3] = { { 1, 2, 3 }, { 4, 42, 6 }, { 7, 8, 9 } };

u8 find(u8 value, u8 *row, u8 *col)
{
    u8 r, c;
    for (r = 0; r < 3; r++)
        for (c = 0; c < 3; c++)
            if (table[r][c] == value)
                goto found;
    return 0;
found:
    *row = r;
    *col = c;
    return 1;
}

u8 cleanup_count;

u8 work(u8 step)
{
    u8 result = 0;
    if (step == 0)
        goto out;
    result = 10;
    if (step == 1)
        goto out;
    result = 20;
out:
    cleanup_count++;
    return result;
}

void main(void)
{
    u8 i;
    u16 sum;
    u8 row = 9, col = 9;

    i = 0;
    sum = 0;
again:
    sum += i;
    i++;
    if (i < 20)
        goto again;
    put16(sum);

    put8(find(42, &row, &col));
    put8(row);
    put8(col);
    put8(find(5, &row, &col));
    put8(row);

    put8(work(0));
    put8(work(1));
    put8(work(2));
    put8(cleanup_count);
}
