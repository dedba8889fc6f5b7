// Tables in program memory read by index and through near and far pointers: bytes, words, longs and a table of records.
#include "../e2e.h"

struct entry { u8 code; u16 limit; };

rom u8 squares[8] = { 0, 1, 4, 9, 16, 25, 36, 49 };
rom u16 powers[5] = { 1, 10, 100, 1000, 10000 };
rom far u8 far_bytes[6] = { 0xA5, 0x5A, 0x00, 0xFF, 0x80, 0x7F };
rom unsigned long longs[3] = { 0x12345678, 0xFFFFFFFF, 0x80000000 };
rom struct entry entries[3] = { { 1, 500 }, { 7, 65000u }, { 42, 3 } };

u8 sum_squares(rom u8 *table, u8 n)
{
    u8 i, sum = 0;
    for (i = 0; i < n; i++)
        sum = (u8)(sum + table[i]);
    return sum;
}

void main(void)
{
    rom far u8 *p;
    u8 i;
    unsigned long l;

    put8(sum_squares(squares, 8));
    put8(squares[7]);
    for (i = 0; i < 5; i++)
        put16(powers[i]);
    p = far_bytes;
    for (i = 0; i < 6; i++)
        put8(p[i]);
    p = far_bytes + 3;
    put8(*p);
    for (i = 0; i < 3; i++) {
        l = longs[i];
        put16((u16)l);
        put16((u16)(l >> 16));
    }
    for (i = 0; i < 3; i++) {
        put8(entries[i].code);
        put16(entries[i].limit);
    }
}
