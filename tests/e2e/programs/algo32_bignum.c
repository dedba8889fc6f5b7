// Multi-word arithmetic: 224-bit addition with 32-bit limbs and carries, schoolbook multiplication and short division with 16-bit limbs and 32-bit products, factorials and decimal digits.
#include "../e2e.h"
#include "../e2e_wide.h"

#define LIMBS 7
#define HALVES 14

/* Little-endian 32-bit limbs; the carry out of a limb is found by the sum
   wrapping below an addend. */
u8 add(u32 *r, u32 *a, u32 *b)
{
    u8 i, carry = 0;
    u32 s;
    for (i = 0; i < LIMBS; i++) {
        s = a[i] + b[i];
        if (carry) {
            s++;
            carry = s <= a[i];
        } else {
            carry = s < a[i];
        }
        r[i] = s;
    }
    return carry;
}

u8 sub(u32 *r, u32 *a, u32 *b)
{
    u8 i, borrow = 0;
    u32 d;
    for (i = 0; i < LIMBS; i++) {
        d = a[i] - b[i] - borrow;
        borrow = borrow ? a[i] <= b[i] : a[i] < b[i];
        r[i] = d;
    }
    return borrow;
}

/* 16-bit limbs: each partial product with its carries fits 32 bits. */
void mul_small(u16 *a, u16 m)
{
    u8 i;
    u32 t, carry = 0;
    for (i = 0; i < HALVES; i++) {
        t = (u32)a[i] * m + carry;
        a[i] = (u16)t;
        carry = t >> 16;
    }
}

void mul(u16 *r, u16 *a, u16 *b)
{
    u8 i, j;
    u32 t, carry;
    for (i = 0; i < HALVES; i++)
        r[i] = 0;
    for (i = 0; i < HALVES / 2; i++) {
        carry = 0;
        for (j = 0; j < HALVES / 2; j++) {
            t = (u32)a[i] * b[j] + r[i + j] + carry;
            r[i + j] = (u16)t;
            carry = t >> 16;
        }
        r[i + HALVES / 2] = (u16)carry;
    }
}

u16 div_small(u16 *a, u16 d)
{
    u8 i = HALVES;
    u32 rem = 0, t;
    while (i--) {
        t = rem << 16 | a[i];
        a[i] = (u16)(t / d);
        rem = t % d;
    }
    return (u16)rem;
}

u8 is_zero(u16 *a)
{
    u8 i;
    for (i = 0; i < HALVES; i++)
        if (a[i])
            return 0;
    return 1;
}

u32 fa[LIMBS], fb[LIMBS], fc[LIMBS];
u16 big[HALVES], other[HALVES], product[HALVES];

void main(void)
{
    u8 i, carry;
    u16 n, digits;

    /* Fibonacci numbers until the 224 bits overflow. */
    for (i = 0; i < LIMBS; i++)
        fa[i] = fb[i] = 0;
    fb[0] = 1;
    n = 1;
    check = 0;
    for (;;) {
        carry = add(fc, fa, fb);
        if (carry)
            break;
        n++;
        for (i = 0; i < LIMBS; i++) {
            fa[i] = fb[i];
            fb[i] = fc[i];
        }
        mix(fb[0]);
        mix(fb[n % LIMBS]);
    }
    put16(n);
    put16(check);
    put32(fb[LIMBS - 1]);
    put32(fb[0]);
    /* Going back down by subtraction must end at F(1) = 1 and F(0) = 0. */
    while (n > 1) {
        sub(fc, fb, fa);
        for (i = 0; i < LIMBS; i++) {
            fb[i] = fa[i];
            fa[i] = fc[i];
        }
        n--;
    }
    put32(fb[0] | fb[1] | fb[6]);
    put32(fa[0] | fa[3]);
    put8(sub(fc, fa, fb));
    put32(fc[6]);

    /* 34! fills 128 bits; its decimal digits come from short divisions. */
    for (i = 0; i < HALVES; i++)
        big[i] = 0;
    big[0] = 1;
    for (n = 2; n <= 34; n++)
        mul_small(big, n);
    put16(big[7]);
    put16(big[0]);
    check = 0;
    for (i = 0; i < HALVES; i++)
        other[i] = big[i];
    digits = 0;
    while (!is_zero(other)) {
        mix(div_small(other, 10000));
        digits += 4;
    }
    put16(check);
    put16(digits);

    /* (2^64 - 1)^2 = 2^128 - 2^65 + 1, then the square of 34! / 2^32; mul
       takes the low seven limbs of each factor. */
    for (i = 0; i < HALVES; i++)
        other[i] = i < 4 ? 0xFFFFu : 0;
    mul(product, other, other);
    check = 0;
    for (i = 0; i < HALVES; i++)
        mix(product[i]);
    put16(check);
    for (i = 0; i < HALVES; i++)
        other[i] = i < 6 ? big[i + 2] : 0;
    mul(product, other, other);
    check = 0;
    for (i = 0; i < HALVES; i++)
        mix(product[i]);
    put16(check);
    put16(div_small(product, 65521u));
}
