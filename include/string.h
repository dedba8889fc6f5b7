/* Strings and blocks of memory.

   The standard functions work on data memory.  String literals live in
   program memory unless the program is compiled with --standard-c, so a
   program in the default mode passes a literal to the functions with a
   `_rom` suffix instead, which read one operand from program memory:

     strcpy_rom(d, s)      copies the rom string s into d; returns d
     strncpy_rom(d, s, n)  as strncpy, from the rom string s
     strcat_rom(d, s)      appends the rom string s to d; returns d
     memcpy_rom(d, s, n)   copies n bytes of program memory at s into d
     strcmp_rom(s, t)      compares the data string s with the rom string t
     strncmp_rom(s, t, n)  the same over at most n characters
     memcmp_rom(s, t, n)   compares n data bytes at s with n rom bytes at t
     strlen_rom(s)         the length of the rom string s
     strchr_rom(s, c)      the first c in the rom string s, or a null pointer
     strstr_rom(s, t)      the first occurrence of the rom string t in the
                           data string s, or a null pointer

   Comparisons order characters as unsigned char, whatever the signedness
   of plain char, and return a negative, zero or positive int.

   rom operands are `const near rom` pointers, 16 bits wide in either
   memory model: strings in program memory have to lie in its first 64 KB,
   where the linker puts constant data first.  In the large model, where a
   plain rom pointer is far (24 bits), macros of the same names narrow the
   rom arguments and widen strchr_rom's result explicitly, so that calls
   draw no warning 2066.  The parameters are auto so
   that a program compiled with static or overlay locals still passes its
   arguments on the stack.

   strtok keeps its position in a static pointer: one tokenizing at a time,
   and not from an interrupt routine while the main program tokenizes. */
#ifndef _STRING_H
#define _STRING_H

#ifndef _SIZE_T_DEFINED
#define _SIZE_T_DEFINED
typedef unsigned int size_t;
#endif

#ifndef NULL
#define NULL 0
#endif

void *memcpy(auto void *dst, auto const void *src, auto size_t n);
void *memmove(auto void *dst, auto const void *src, auto size_t n);
void *memset(auto void *dst, auto int c, auto size_t n);
int memcmp(auto const void *s, auto const void *t, auto size_t n);
void *memchr(auto const void *s, auto int c, auto size_t n);

size_t strlen(auto const char *s);
char *strcpy(auto char *dst, auto const char *src);
char *strncpy(auto char *dst, auto const char *src, auto size_t n);
char *strcat(auto char *dst, auto const char *src);
char *strncat(auto char *dst, auto const char *src, auto size_t n);
int strcmp(auto const char *s, auto const char *t);
int strncmp(auto const char *s, auto const char *t, auto size_t n);
char *strchr(auto const char *s, auto int c);
char *strrchr(auto const char *s, auto int c);
char *strstr(auto const char *s, auto const char *t);
size_t strspn(auto const char *s, auto const char *accept);
size_t strcspn(auto const char *s, auto const char *reject);
char *strpbrk(auto const char *s, auto const char *accept);
char *strtok(auto char *s, auto const char *delimiters);

char *strcpy_rom(auto char *dst, auto const near rom char *src);
char *strncpy_rom(auto char *dst, auto const near rom char *src, auto size_t n);
char *strcat_rom(auto char *dst, auto const near rom char *src);
void *memcpy_rom(auto void *dst, auto const near rom void *src, auto size_t n);
int strcmp_rom(auto const char *s, auto const near rom char *t);
int strncmp_rom(auto const char *s, auto const near rom char *t, auto size_t n);
int memcmp_rom(auto const void *s, auto const near rom void *t, auto size_t n);
size_t strlen_rom(auto const near rom char *s);
const near rom char *strchr_rom(auto const near rom char *s, auto int c);
char *strstr_rom(auto const char *s, auto const near rom char *t);

#ifdef __LARGE__
#define strcpy_rom(dst, src) (strcpy_rom)(dst, (const near rom char *)(src))
#define strncpy_rom(dst, src, n) (strncpy_rom)(dst, (const near rom char *)(src), n)
#define strcat_rom(dst, src) (strcat_rom)(dst, (const near rom char *)(src))
#define memcpy_rom(dst, src, n) (memcpy_rom)(dst, (const near rom void *)(src), n)
#define strcmp_rom(s, t) (strcmp_rom)(s, (const near rom char *)(t))
#define strncmp_rom(s, t, n) (strncmp_rom)(s, (const near rom char *)(t), n)
#define memcmp_rom(s, t, n) (memcmp_rom)(s, (const near rom void *)(t), n)
#define strlen_rom(s) (strlen_rom)((const near rom char *)(s))
#define strchr_rom(s, c) ((const rom char *)(strchr_rom)((const near rom char *)(s), c))
#define strstr_rom(s, t) (strstr_rom)(s, (const near rom char *)(t))
#endif

#endif
