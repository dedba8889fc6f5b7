// Pointers to 16-bit elements: scaling by the element size, differences in elements, in-place reversal and pointer arguments.
#include "../e2e.h"

u16 words[8] = { 1000, 2000, 3000, 40000u, 50000u, 60000u, 7, 8 };
s16 signs[5] = { -5, 300, -32767, 32767, 0 };

void reverse(u16 *lo, u16 *hi)
{
    u16 t;
    while (lo < hi) {
        t = *lo;
        *lo++ = *hi;
        *hi-- = t;
    }
}

void minmax(const s16 *p, u8 n, s16 *min, s16 *max)
{
    *min = *max = *p;
    while (--n) {
        p++;
        if (*p < *min)
            *min = *p;
        if (*p > *max)
            *max = *p;
    }
}

void main(void)
{
    u16 *p, *end;
    s16 lo, hi;
    u16 sum;

    p = words;
    end = words + 8;
    put8(end - p);
    p += 3;
    put16(*p);
    put16(p[-1]);
    put16(*(p + 2));
    put8((u8)(p - words));

    sum = 0;
    for (p = words; p != end; p++)
        sum += *p;
    put16(sum);

    reverse(words, words + 7);
    put16(words[0]);
    put16(words[3]);
    put16(words[4]);
    put16(words[7]);
    reverse(words + 2, words + 5);
    put16(words[2]);
    put16(words[5]);

    minmax(signs, 5, &lo, &hi);
    put16(lo);
    put16(hi);
    minmax(signs + 4, 1, &lo, &hi);
    put16(lo);
    put16(hi);

    /* Walk backwards. */
    sum = 0;
    p = end;
    while (p > words) {
        --p;
        sum = sum * 2 + (*p & 0xFF);
    }
    put16(sum);
}
