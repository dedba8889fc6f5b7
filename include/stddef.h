/* Common definitions.

   Data pointers are 16 bits wide and data memory is smaller than 32 KB,
   so sizes fit an unsigned int and the distance between two data pointers
   fits an int.  Program memory is reached through rom pointers, which
   these types do not describe. */
#ifndef _STDDEF_H
#define _STDDEF_H

#ifndef _SIZE_T_DEFINED
#define _SIZE_T_DEFINED
typedef unsigned int size_t;
#endif

typedef int ptrdiff_t;

/* A plain 0 rather than a void pointer, so that NULL also initializes and
   compares with rom pointers without a conversion warning. */
#ifndef NULL
#define NULL 0
#endif

#define offsetof(type, member) ((size_t)&(((type *)0)->member))

#endif
