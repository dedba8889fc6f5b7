/* Shared by the end-to-end programs that compute in 24 or 32 bits;
   include it after e2e.h (e2e_float.h includes it for float programs).
   Its functions are not static, so a program that leaves some of them
   uncalled gets no warning on the host. */
#ifndef E2E_WIDE_H
#define E2E_WIDE_H

/* The host has no 24-bit type and its long has 64 bits: there the 32-bit
   types are its int, the 24-bit types are int and unsigned int, and U24 and
   S24 reduce a value to 24 bits as the target's own conversion does. */
#ifdef __VxCORE
typedef unsigned long u32;
typedef long s32;
typedef unsigned short long u24;
typedef short long s24;
#define U24(x) ((u24)(x))
#define S24(x) ((s24)(x))
#else
typedef unsigned int u32;
typedef int s32;
typedef unsigned int u24;
typedef int s24;
#define U24(x) ((u24)((u32)(x) & 0xFFFFFFu))
#define S24(x) ((s24)((((u32)(x) & 0xFFFFFFu) ^ 0x800000u) - 0x800000u))
#endif

/* Minima are spelled as differences: the positive literal does not fit
   the type that the minimum belongs to. */
#define S32_MIN (-2147483647L - 1)
#define S32_MAX 2147483647L
#define S24_MIN (-8388607L - 1)
#define S24_MAX 8388607L

/* A rotate-and-add checksum folds many results into out[], kept to 16-bit
   operations so that a fault in the 24-bit, 32-bit or float code under
   test cannot hide in the checksum itself. */
u16 check;

void mix(u32 v)
{
    check = (u16)((check << 3) | (check >> 13)) ^ (u16)v;
    check = (u16)(check + (u16)(v >> 16));
}

void put32(u32 x)
{
    put16((u16)x);
    put16((u16)(x >> 16));
}

#endif
