// Bubble sort of signed 16-bit values and of unsigned bytes, with the count of swaps and an early exit once sorted.
// CODESIZE-EXPECT: 1A 00 80 D4 FE FB FF FF FF 00 00 01 00 0C 00 0C 00 2C 01 FF 7F 00 07 00 03 03 40 7F 80 C8 FF
#include "bench.h"

s16 words[10] = { 300, -5, 32767, 0, -32767 - 1, 12, -300, 12, 1, -1 };
u8 bytes[8] = { 200, 3, 255, 0, 128, 127, 3, 64 };

u8 sort_words(s16 *a, u8 n)
{
    u8 i, j, swapped;
    u8 swaps = 0;
    s16 t;
    for (i = 0; i + 1 < n; i++) {
        swapped = 0;
        for (j = 0; j + 1 < n - i; j++) {
            if (a[j] > a[j + 1]) {
                t = a[j];
                a[j] = a[j + 1];
                a[j + 1] = t;
                swapped = 1;
                swaps++;
            }
        }
        if (!swapped)
            break;
    }
    return swaps;
}

u8 sort_bytes(u8 *a, u8 n)
{
    u8 i, j, t, passes = 0;
    for (i = n - 1; i > 0; i--) {
        passes++;
        for (j = 0; j < i; j++)
            if (a[j] > a[j + 1]) {
                t = a[j];
                a[j] = a[j + 1];
                a[j + 1] = t;
            }
    }
    return passes;
}

void main(void)
{
    u8 i;
    put8(sort_words(words, 10));
    for (i = 0; i < 10; i++)
        put16(words[i]);
    /* Sorting sorted data again swaps nothing. */
    put8(sort_words(words, 10));
    put8(sort_bytes(bytes, 8));
    for (i = 0; i < 8; i++)
        put8(bytes[i]);
}
