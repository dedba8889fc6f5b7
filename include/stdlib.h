/* General utilities.

   strtol and strtoul take an optional sign and, for base 16 (or base 0
   before 0x), an optional 0x or 0X; base 0 reads 0x... as hexadecimal,
   0... as octal and anything else as decimal.  There is no errno: a value
   out of range gives LONG_MAX, LONG_MIN or ULONG_MAX, and the end pointer
   still passes every digit.  atoi works in int arithmetic (its result is
   undefined beyond the int range, as in standard C); atol is strtol in
   base 10.

   rand is a 16-bit xorshift generator (period 65535) giving 15 bits per
   call; srand(0) seeds it as srand(0xACE1) does, since the state must not
   be zero.

   qsort is a Shell sort: iterative, with a few bytes of stack whatever the
   count, and not stable.  The comparison function of qsort and bsearch is
   called through a pointer with its two arguments on the stack: compiled
   with static or overlay locals (-scs, -sco), it must declare its
   parameters auto.

   exit and abort are runtime member exit.o: exit stores its status where
   main's result goes and never returns; abort exits with 134. */
#ifndef _STDLIB_H
#define _STDLIB_H

#ifndef _SIZE_T_DEFINED
#define _SIZE_T_DEFINED
typedef unsigned int size_t;
#endif

#ifndef NULL
#define NULL 0
#endif

#define EXIT_SUCCESS 0
#define EXIT_FAILURE 1
#define RAND_MAX 32767

typedef struct {
    int quot;
    int rem;
} div_t;

typedef struct {
    long quot;
    long rem;
} ldiv_t;

int abs(auto int x);
long labs(auto long x);
div_t div(auto int numerator, auto int denominator);
ldiv_t ldiv(auto long numerator, auto long denominator);

int atoi(auto const char *s);
long atol(auto const char *s);
long strtol(auto const char *s, auto char **end, auto int base);
unsigned long strtoul(auto const char *s, auto char **end, auto int base);

int rand(void);
void srand(auto unsigned int seed);

void qsort(auto void *base, auto size_t count, auto size_t size,
           auto int (*compare)(auto const void *, auto const void *));
void *bsearch(auto const void *key, auto const void *base, auto size_t count, auto size_t size,
              auto int (*compare)(auto const void *, auto const void *));

void exit(auto int status);
void abort(void);

/* The digits and sign of strtol and strtoul: skips the leading white
   space, reads the optional sign and prefix and the digits of `base`, and
   returns their magnitude, ULONG_MAX when it overflowed, with
   _STRTO_NEGATIVE and _STRTO_OVERFLOW in *flags. */
#define _STRTO_NEGATIVE 1
#define _STRTO_OVERFLOW 2
unsigned long _strto_magnitude(auto const char *s, auto char **end, auto int base,
                               auto unsigned char *flags);

#endif
