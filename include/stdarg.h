/* Variable argument lists.

   A caller pushes its arguments on the software stack, which grows upward
   through FSR1, the last argument first; each argument takes exactly the
   bytes of its type, low byte first, with no padding.  So the first
   argument lies highest, just below the callee's saved frame pointer, and
   each later one lies directly below the one before it: walking the
   arguments in order walks down through memory.  A va_list is the address
   of the argument just read (at first the last named parameter), and
   va_arg steps down by the size of the type asked for.

   The width of a char argument after the named ones depends on how the
   call was compiled:
   - with integer promotion on (-Oi+ or --standard-c) it is passed as an
     int, as in standard C;
   - with promotion off (the default) the compiler still passes it as an
     int in calls of the printf family (printf, sprintf, snprintf, their
     v forms and _ram twins), but as a single byte in every other call,
     so the callee has to read it with
     va_arg(ap, char), or the caller casts it to int.  A constant that
     fits in 8 bits (3, 'a', 0x80) is a char too.
   float and double are both 32 bits wide and are passed unchanged;
   short long takes 3 bytes, long 4, data pointers 2, program-memory
   pointers 2 (small model) or 3 (large model).

   The named parameters have to live on the stack: a variadic function
   compiled with static or overlay locals (-scs, -sco) has to declare its
   last named parameter auto. */
#ifndef _STDARG_H
#define _STDARG_H

typedef unsigned char *va_list;

#define va_start(ap, last) ((void)((ap) = (va_list)&(last)))
#define va_arg(ap, type) (*(type *)((ap) -= sizeof(type)))
#define va_end(ap) ((void)0)
#define va_copy(dest, src) ((void)((dest) = (src)))

#endif
