// Arrays of bytes reached by indexing and by pointers: walking, differences, comparisons, pointers to pointers and two dimensions.
#include "../e2e.h"

u8 data[10] = { 3, 1, 4, 1, 5, 9, 2, 6, 5, 3 };
u8 matrix[3][4] = { { 1, 2, 3, 4 }, { 5, 6, 7, 8 }, { 9, 10, 11, 12 } };

u16 sum_by_pointer(const u8 *p, u8 n)
{
    u16 s = 0;
    while (n--)
        s += *p++;
    return s;
}

u8 *find(u8 *p, u8 *end, u8 value)
{
    for (; p < end; p++)
        if (*p == value)
            return p;
    return 0;
}

void swap(u8 **a, u8 **b)
{
    u8 *t = *a;
    *a = *b;
    *b = t;
}

void main(void)
{
    u8 *p, *q;
    u8 i, j;
    u16 diag;

    put16(sum_by_pointer(data, 10));
    put16(sum_by_pointer(data + 5, 5));
    put16(sum_by_pointer(&data[2], 3));

    p = find(data, data + 10, 9);
    put8(p - data);
    put8(*(p - 1));
    put8(p[2]);
    put8(find(data, data + 10, 7) == 0);
    q = find(p, data + 10, 5);
    put8(q - p);
    put8(q > p);
    put8(p >= q);

    swap(&p, &q);
    put8(*p);
    put8(*q);

    /* Index with a variable and with an expression. */
    i = 4;
    put8(data[i]);
    put8(data[i * 2 + 1]);
    put8(i[data]);

    diag = 0;
    for (i = 0; i < 3; i++)
        diag += matrix[i][i + 1];
    put16(diag);
    /* A byte pointer may walk the whole two-dimensional object. */
    p = (u8 *)matrix;
    put8(p[7]);
    put8(*(matrix[2] + 3));
    for (i = 0; i < 3; i++)
        for (j = 0; j < 4; j++)
            matrix[i][j] *= 2;
    put8(matrix[1][2]);
    put8(&matrix[2] - &matrix[0]);
}
