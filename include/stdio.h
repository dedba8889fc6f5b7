/* Character output through the serial transmitter, and formatted output.

   Every character goes out through putchar, which writes TXREG; a program
   that defines its own putchar sends the whole family's output wherever
   it likes.  The family shares one formatter and holds its state in
   static memory: it is not reentrant, so an interrupt routine must not
   print while the main program may be printing, and a putchar of a
   program's own must not call the family.

   Formats and strings in two memories.  String literals live in program
   memory by default, so the standard names take the format, and puts its
   string, as `const near rom char *`.  The same routines with a `_ram`
   suffix take them in data memory (a format built at run time, say).
   Under --standard-c, where literals passed as data pointers are placed in
   data memory, the standard names stand for the `_ram` routines.  Both
   kinds of format pointer are 16 bits wide, so formats and strings in
   program memory have to lie in its first 64 KB; in the large model (-ml)
   a literal format is converted to a near pointer, with warning 2066.

   Conversions: %d %i %u %x %X %o %c %s %% with the flags - 0 + space #,
   a width and a precision (either may be *), each up to 255, and the
   lengths hh (char), h (short), H (short long, 24 bits: our own) and
   l (long).  %S prints a string in program memory (a
   `const near rom char *`), taking the width, the precision and - like %s;
   %HS takes a `const far rom char *`, such as a large-model program passes
   for a `const rom char *`.
   %e %f %g (and %E %F %G) print a float or a double, both 32 bits wide,
   with the flags, the width and a precision of up to 20, and the exact
   decimal value of the float rounded to the nearest.  They need the
   member that printf_use_float() brings in: call it once before printing
   floats.  Until then they print nothing and skip their argument, so a
   program that prints no floats links no float code.

   A char argument (a char constant such as 'x' or 65 included) is passed
   as an int to every routine of the printf family, whether integer
   promotion is on or not (see <stdarg.h>). */
#ifndef _STDIO_H
#define _STDIO_H

#include <stdarg.h>

#ifndef _SIZE_T_DEFINED
#define _SIZE_T_DEFINED
typedef unsigned int size_t;
#endif

#ifndef NULL
#define NULL 0
#endif

#define EOF (-1)

/* The parameters are auto so that a program compiled with static or
   overlay locals still passes its arguments on the stack. */
int putchar(auto int c);

int puts(auto const near rom char *s);
int printf(auto const near rom char *format, ...);
int sprintf(auto char *s, auto const near rom char *format, ...);
int snprintf(auto char *s, auto size_t n, auto const near rom char *format, ...);
int vprintf(auto const near rom char *format, auto va_list ap);
int vsprintf(auto char *s, auto const near rom char *format, auto va_list ap);
int vsnprintf(auto char *s, auto size_t n, auto const near rom char *format, auto va_list ap);

int puts_ram(auto const char *s);
int printf_ram(auto const char *format, ...);
int sprintf_ram(auto char *s, auto const char *format, ...);
int snprintf_ram(auto char *s, auto size_t n, auto const char *format, ...);
int vprintf_ram(auto const char *format, auto va_list ap);
int vsprintf_ram(auto char *s, auto const char *format, auto va_list ap);
int vsnprintf_ram(auto char *s, auto size_t n, auto const char *format, auto va_list ap);

void printf_use_float(void);

#ifdef __STANDARD_C__
#define puts puts_ram
#define printf printf_ram
#define sprintf sprintf_ram
#define snprintf snprintf_ram
#define vprintf vprintf_ram
#define vsprintf vsprintf_ram
#define vsnprintf vsnprintf_ram
#endif

/* The formatter behind the family: `how` says where the format lies and
   where the characters go; `s` and `n` are the buffer and its size when
   they go to one. */
#define _STDIO_FORMAT_ROM 1
#define _STDIO_TO_BUFFER 2
int _stdio_format(auto unsigned char how, auto char *s, auto size_t n, auto unsigned int format,
                  auto va_list ap);
/* Set by printf_use_float(): the text of one float conversion. */
extern const char *(*_stdio_float)(auto const unsigned char *value, auto char conversion,
                                   auto unsigned char precision, auto unsigned char alternate);

#endif
