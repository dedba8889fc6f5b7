// Every arithmetic and bitwise operator on signed and unsigned 8-bit operands, results wrapped to 8 bits and 16-bit products, over all pairs of a table.
#include "../e2e.h"

s8 sleft[5] = { -128, 127, -100, -1, 0 };
s8 sright[5] = { 3, -2, 7, -128, -1 };
u8 uleft[5] = { 0, 7, 128, 200, 255 };
u8 uright[5] = { 1, 255, 2, 100, 7 };

/* Results go to out[] raw for the pairs at the same index, and into a
   checksum for all pairs; a rotation keeps the order significant. */
u8 raw;
u16 check;

void emit(u8 v)
{
    check = (u16)((check << 3) | (check >> 13)) ^ v;
    if (raw)
        put8(v);
}

void signed_ops(s8 a, s8 b)
{
    s8 r;
    s16 wide;
    r = a + b;
    emit(r);
    r = a - b;
    emit(r);
    r = a * b;
    emit(r);
    wide = a * b;
    emit((u8)wide);
    emit((u8)((u16)wide >> 8));
    /* -128 / -1 is 128 in the promoted int, and wraps back on the store. */
    r = a / b;
    emit(r);
    r = a % b;
    emit(r);
    r = a & b;
    emit(r);
    r = a | b;
    emit(r);
    r = a ^ b;
    emit(r);
    r = ~a;
    emit(r);
    /* Shifting a negative value is not portable C; its bit pattern is. */
    r = (u8)a << (b & 7);
    emit(r);
    r = (u8)a >> (b & 7);
    emit(r);
    r = -a;
    emit(r);
    emit(a < b);
    emit(a == b);
}

void unsigned_ops(u8 a, u8 b)
{
    u8 r;
    u16 wide;
    r = a + b;
    emit(r);
    r = a - b;
    emit(r);
    /* The promoted product is signed at the target's 16 bits; above 32767
       it would overflow there. */
    if ((u16)a * b <= 32767) {
        r = a * b;
        emit(r);
        wide = a * b;
        emit((u8)(wide >> 8));
    }
    wide = (u16)a * b;
    emit((u8)(wide >> 8));
    r = a / b;
    emit(r);
    r = a % b;
    emit(r);
    r = a & b;
    emit(r);
    r = a | b;
    emit(r);
    r = a ^ b;
    emit(r);
    r = ~a;
    emit(r);
    r = a << (b & 7);
    emit(r);
    r = a >> (b & 7);
    emit(r);
    r = -a;
    emit(r);
    emit(a < b);
    emit(a != b);
}

void main(void)
{
    u8 i, j;
    for (i = 0; i < 4; i++) {
        raw = i == 0;
        check = 0;
        signed_ops(sleft[i], sright[i]);
        put16(check);
    }
    for (i = 0; i < 5; i++) {
        raw = i == 4;
        check = 0;
        unsigned_ops(uleft[i], uright[i]);
        put16(check);
    }
    raw = 0;
    check = 0;
    for (i = 0; i < 5; i++)
        for (j = 0; j < 5; j++)
            signed_ops(sleft[i], sright[j]);
    put16(check);
    check = 0;
    for (i = 0; i < 5; i++)
        for (j = 0; j < 5; j++)
            unsigned_ops(uleft[i], uright[j]);
    put16(check);
}
