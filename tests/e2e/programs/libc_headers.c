// <stddef.h>, <stdint.h>, <limits.h> and <float.h>: exact widths (and the target's own 24-bit and double figures), limits usable in #if and consistent with the types, offsetof, and the bit patterns of the float limits.
#include "../e2e.h"
#include "../e2e_float.h"
#include <float.h>
#include <limits.h>
#include <stddef.h>
#include <stdint.h>

#if INT16_MAX != 32767 || UINT8_MAX != 255 || INT32_MIN >= 0 || SIZE_MAX < 65535u
#error "stdint.h limits unusable in #if"
#endif
#if CHAR_BIT != 8 || SCHAR_MIN != -128 || UCHAR_MAX != 255 || INT_MAX < 32767
#error "limits.h limits unusable in #if"
#endif

struct layout {
    char c;
    int16_t i;
    int32_t l;
    uint8_t tail[3];
};

void main(void)
{
    float one = 1.0f;

    put8(sizeof(int8_t) | sizeof(uint8_t) << 4);
    put8(sizeof(int16_t) | sizeof(uint16_t) << 4);
    put8(sizeof(int32_t) | sizeof(uint32_t) << 4);
    put8(sizeof(int_least16_t) | sizeof(int_fast8_t) << 4);
    put8((u8)(INT8_MIN == (int8_t)0x80) | (u8)(INT8_MAX == (int8_t)0x7F) << 1
         | (u8)(UINT16_MAX == (uint16_t)-1) << 2 | (u8)(INT16_MIN == (int16_t)0x8000u) << 3
         | (u8)(INT32_MAX == (int32_t)0x7FFFFFFFuL) << 4 | (u8)(UINT32_MAX == (uint32_t)-1) << 5
         | (u8)(INT32_MIN == (int32_t)(0 - 0x80000000uL)) << 6);
    put8((u8)(UINT_MAX == (unsigned int)-1) | (u8)(INT_MIN == -INT_MAX - 1) << 1
         | (u8)(INT_MAX == (int)(UINT_MAX >> 1)) << 2 | (u8)(ULONG_MAX == (unsigned long)-1) << 3
         | (u8)(LONG_MAX == (long)(ULONG_MAX >> 1)) << 4 | (u8)(LONG_MIN == -LONG_MAX - 1) << 5
         | (u8)(USHRT_MAX == (unsigned short)-1) << 6 | (u8)(CHAR_MIN == (char)0x80) << 7);
    put8((u8)(UINT_MAX >> (sizeof(int) * CHAR_BIT - 1)) | (u8)(ULONG_MAX >> (sizeof(long) * CHAR_BIT - 1)) << 1);
#ifdef __VxCORE
    put8(sizeof(int24_t) == 3 && sizeof(uint24_t) == 3 && INT24_MAX == 8388607 && UINT24_MAX == 0xFFFFFFu
         && (int24_t)INT24_MIN < 0 && SHRTLONG_MAX == INT24_MAX && USHRTLONG_MAX == UINT24_MAX
         && sizeof(ptrdiff_t) == 2 && sizeof(size_t) == 2 && sizeof(intptr_t) == 2 && INT_MAX == 32767
         && DBL_MAX == FLT_MAX && LDBL_EPSILON == FLT_EPSILON && DBL_MANT_DIG == 24 && DBL_TRUE_MIN > 0);
#else
    put8(1);
#endif
    put8((u8)offsetof(struct layout, c));
    put8((u8)offsetof(struct layout, tail[2]) - (u8)offsetof(struct layout, l));
    put8(NULL == (void *)0);

    put_float(FLT_MAX);
    put_float(FLT_MIN);
    put_float(FLT_EPSILON);
    put8((u8)(one + FLT_EPSILON != one) | (u8)(one + FLT_EPSILON / 2 == one) << 1
         | (u8)(FLT_MIN / 2 > 0) << 2 | (u8)(FLT_MANT_DIG == 24) << 3 | (u8)(FLT_MAX_EXP == 128) << 4
         | (u8)(FLT_MIN_EXP == -125) << 5 | (u8)(FLT_DIG == 6) << 6 | (u8)(FLT_RADIX == 2) << 7);
}
