/* Shared by the code-size programs: fixed-width types and the result
   buffer that the benchmark reads back to check that each program still
   computes what it computed when its expected result was recorded.

   int has 16 bits on the target and usually 32 on the host, where the
   expected results were made: keep values within 16 bits, store int-typed
   intermediates into u8/s8/u16/s16 variables before comparing, dividing or
   shifting them right, and multiply u16 values as (unsigned)a * b. */
#ifndef BENCH_H
#define BENCH_H

#define OUT_SIZE 64

typedef unsigned char u8;
typedef signed char s8;
#ifdef __VxCORE
typedef unsigned int u16;
typedef int s16;
#else
typedef unsigned short u16;
typedef short s16;
#endif

unsigned char out[OUT_SIZE];
unsigned char out_len;

void put8(u8 x)
{
    if (out_len < OUT_SIZE)
        out[out_len++] = x;
}

void put16(u16 x)
{
    put8((u8)x);
    put8((u8)(x >> 8));
}

#endif
