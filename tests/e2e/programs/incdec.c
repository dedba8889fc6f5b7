// Pre- and post-increment and -decrement on 8- and 16-bit values at their wrap points, on array elements and on pointers.
#include "../e2e.h"

u8 counts[4] = { 254, 0, 127, 9 };
u16 table[3] = { 10, 20, 30 };

void main(void)
{
    u8 a = 255;
    s8 b = 127;
    u16 c = 65535u;
    s16 d = -32767;
    u8 i = 0;
    u16 *p;

    put8(a++); put8(a);
    put8(++a); put8(a--);
    put8(--a); put8(a);
    /* 127 + 1 is computed in int and converted back to s8. */
    b++; put8(b);
    b--; put8(b);
    put16(c++); put16(c);
    put16(--c); put16(c);
    put16(d--); put16(d);
    put16(++d); put16(d);

    counts[i++]++;
    counts[i]--;
    ++counts[++i];
    put8(i);
    put8(counts[0]); put8(counts[1]); put8(counts[2]); put8(counts[3]);
    put8(counts[i--]--);
    put8(i);

    p = table;
    put16(*p++);
    put16(*p);
    put16(++*p);
    put16((*p)++);
    p++;
    put16(*p--);
    put16(*p);
    put16(--*p);
    put16(p - table);
}
