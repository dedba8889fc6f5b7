/* Sizes of the integer types: char 8 bits, short and int 16, short long
   24 (our own type, with limits of our own names), long 32.

   Plain char is signed unless the program is compiled with -k, which
   makes the compiler predefine __CHAR_UNSIGNED__. */
#ifndef _LIMITS_H
#define _LIMITS_H

#define CHAR_BIT 8
#define MB_LEN_MAX 1

#define SCHAR_MIN (-128)
#define SCHAR_MAX 127
#define UCHAR_MAX 255
#ifdef __CHAR_UNSIGNED__
#define CHAR_MIN 0
#define CHAR_MAX UCHAR_MAX
#else
#define CHAR_MIN SCHAR_MIN
#define CHAR_MAX SCHAR_MAX
#endif

#define SHRT_MIN (-32767 - 1)
#define SHRT_MAX 32767
#define USHRT_MAX 65535u
#define INT_MIN (-32767 - 1)
#define INT_MAX 32767
#define UINT_MAX 65535u

#define SHRTLONG_MIN (-8388607 - 1)
#define SHRTLONG_MAX 8388607
#define USHRTLONG_MAX 16777215u

#define LONG_MIN (-2147483647L - 1)
#define LONG_MAX 2147483647L
#define ULONG_MAX 4294967295uL

#endif
