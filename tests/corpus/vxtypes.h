/* Basic integer types and helpers shared by the sample programs. */
#ifndef VXTYPES_H
#define VXTYPES_H

typedef unsigned char u8;
typedef signed char s8;
typedef unsigned int u16;
typedef int s16;
typedef unsigned short long u24;
typedef short long s24;
typedef unsigned long u32;
typedef long s32;
typedef unsigned char bool_t;

#define TRUE 1
#define FALSE 0
#ifndef NULL
#define NULL ((void *)0)
#endif

#define LOW_BYTE(x) ((u8)((x) & 0xFF))
#define HIGH_BYTE(x) ((u8)(((x) >> 8) & 0xFF))
#define MAKE_WORD(h, l) (((u16)(h) << 8) | (u16)(l))
#define ARRAY_SIZE(a) (sizeof(a) / sizeof((a)[0]))
#define MIN(a, b) ((a) < (b) ? (a) : (b))
#define MAX(a, b) ((a) > (b) ? (a) : (b))
#define BIT(n) (1u << (n))

#endif
