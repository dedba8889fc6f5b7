/* Shared by every end-to-end program: the result buffer and types whose
   width is the same on the target and on the host.

   The target's int has 16 bits and the host's 32, so a program's result
   must not depend on the width of int:
   - store an int-typed intermediate into a u8/s8/u16/s16 variable before
     comparing, dividing or right-shifting it; stores wrap the same way on
     both sides;
   - keep promoted 8-bit arithmetic and all signed 16-bit arithmetic within
     -32768..32767, since signed overflow is undefined on the target;
   - multiply u16 operands as (unsigned)a * b: on the host they promote to
     int, where 65535 * 65535 overflows;
   - compare or divide a u16 with a signed operand only through a cast that
     gives both the same type: the target converts to unsigned, the host to
     int;
   - write constants above 32767 with a u suffix (or in hexadecimal), and
     -32768 as (-32767 - 1): 32768 is a long on the target;
   - do not shift negative values, and shift by less than the width;
   - keep strings in char arrays: string literals live in program memory on
     the target, out of reach of a plain char pointer. */
#ifndef E2E_H
#define E2E_H

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

/* The harness reads these through the link map on the target and through
   host_main.c on the host. */
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
