// sprintf and snprintf: the bytes they leave in the buffer, the terminator
// and their results, which count every character the format makes, also
// those that snprintf had no room for.  A variadic function of the
// program's own passes its arguments on through vsnprintf, and the _ram
// routines take a format built in data memory.  Only printf, sprintf,
// vprintf and vsprintf get char arguments (constants such as 42 included)
// as ints; the other calls cast them.  With static locals (-scs) the
// calls still pass their arguments on the stack, as the library expects.
// RUN: %vexcc --run %s > out.txt 2> /dev/null
// RUN: %FileCheck %s --match-full-lines < out.txt
// RUN: %vexcc -scs --run %s > static.txt 2> /dev/null
// RUN: cmp out.txt static.txt
#include <stdio.h>
#include <stdarg.h>

char buf[16];
char x[] = "x", letters[] = "abcdefg", pair[] = "ab";

/* Shows the whole buffer, '.' for the terminator and '#' for bytes never
   written. */
void show(int result)
{
    unsigned char i;

    printf("%d ", result);
    for (i = 0; i < sizeof buf; ++i)
        putchar(buf[i] == '\0' ? '.' : buf[i]);
    putchar('\n');
    for (i = 0; i < sizeof buf; ++i)
        buf[i] = '#';
}

int logf(size_t n, auto const rom char *format, ...)
{
    va_list ap;
    int result;

    va_start(ap, format);
    result = vsnprintf(buf, n, format, ap);
    va_end(ap);
    return result;
}

int main(void)
{
    char format[8];

    show(0);
    // CHECK: 0 ................
    show(sprintf(buf, "%d-%s", 42, x));
    // CHECK-NEXT: 4 42-x.###########
    show(sprintf(buf, ""));
    // CHECK-NEXT: 0 .###############
    show(snprintf(buf, 5, "%ld", 1234567L));
    // CHECK-NEXT: 7 1234.###########
    show(snprintf(buf, 8, "%s", letters));
    // CHECK-NEXT: 7 abcdefg.########
    show(snprintf(buf, 1, "%x", 0xabcd));
    // CHECK-NEXT: 4 .###############
    show(snprintf(buf, 0, "%x", 0xabcd));
    // CHECK-NEXT: 4 ################
    show(snprintf(0, 0, "%5d", 1));
    // CHECK-NEXT: 5 ################
    show(snprintf(buf, sizeof buf, "%-4d|%04x|%+d", (int)-1, (int)0x1f, 3000));
    // CHECK-NEXT: 15 -1  |001f|+3000.
    show(logf(6, "%s=%d%c", pair, (int)100, (int)'!'));
    // CHECK-NEXT: 7 ab=10.##########
    show(logf(sizeof buf, "%lx:%Hu", 0x12345678L, (unsigned short long)70000L));
    // CHECK-NEXT: 14 12345678:70000.#
    sprintf(format, "[%%%dd]", 5);
    show(vsprintf_ram(buf, letters, 0));
    // CHECK-NEXT: 7 abcdefg.########
    show(sprintf_ram(buf, format, (int)42));
    // CHECK-NEXT: 7 [   42].########
    show(snprintf_ram(buf, 4, format, (int)42));
    // CHECK-NEXT: 7 [  .############
    printf_ram(format, (int)-7);
    puts_ram(format);
    puts("");
    puts("rom");
    // CHECK-NEXT: [   -7][%5d]
    // CHECK-EMPTY:
    // CHECK-NEXT: rom
    return 0;
}
