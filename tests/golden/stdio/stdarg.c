// A variadic function of the program's own reads each argument with the
// width the caller gave it: with promotion off a char (a constant such as 7
// or 'x' included) comes as one byte, with -Oi+ as an int.  va_copy keeps
// a position to read again.
// RUN: %vexcc -m bytes.map --run %s > bytes.txt 2> /dev/null
// RUN: %FileCheck %s --match-full-lines < bytes.txt
// RUN: %vexcc -Oi+ -DPROMOTED --run %s > promoted.txt 2> /dev/null
// RUN: cmp bytes.txt promoted.txt
#include <stdarg.h>
#include <stdio.h>

#ifdef PROMOTED
#define CHAR_ARG int
#else
#define CHAR_ARG char
#endif

char text[] = "text";

/* Each letter of `kinds` names the next argument's type. */
void show(const rom char *kinds, ...)
{
    va_list ap, again;

    va_start(ap, kinds);
    for (; *kinds; ++kinds) {
        if (*kinds == 'r')
            va_copy(again, ap);
        switch (*kinds) {
        case 'c': printf("c%d ", (int)(char)va_arg(ap, CHAR_ARG)); break;
        case 'i': printf("i%d ", va_arg(ap, int)); break;
        case 'u': printf("u%u ", va_arg(ap, unsigned int)); break;
        case 'l': printf("l%ld ", va_arg(ap, long)); break;
        case 'h': printf("h%Hd ", va_arg(ap, short long)); break;
        case 'p': printf("p%s ", va_arg(ap, char *)); break;
        case 'r': printf("r%S ", va_arg(ap, const rom char *)); break;
        }
    }
    va_end(ap);
    printf("again %S\n", va_arg(again, const rom char *));
}

int main(void)
{
    char c = -3;
    long big = -100000L;

    show("cicrlhpuc", 7, 1000, c, "rom", big, (short long)-2, text, 50000u, 'x');
    return 0;
}
// CHECK: c7 i1000 c-3 rrom l-100000 h-2 ptext u50000 c120 again rom
