// A program links only the members of the family that it uses: putchar
// alone brings no formatter; printf brings the formatter and putchar but
// no other entry, no division and no float routine, not even for a float
// conversion until the program calls printf_use_float().
// RUN: %vexcc -m char.map --run %s > char.txt 2> /dev/null
// RUN: printf 'ok\n' | cmp - char.txt
// RUN: %FileCheck %s --check-prefix=CHAR < char.map
// RUN: %vexcc -DPRINT -m print.map --run %s > print.txt 2> /dev/null
// RUN: printf 'ok 42\n' | cmp - print.txt
// RUN: %FileCheck %s --check-prefix=PRINT < print.map
#include <stdio.h>

int main(void)
{
#ifdef PRINT
    printf("ok %d%f\n", 42, 1.5f);
#else
    putchar('o');
    putchar('k');
    putchar('\n');
#endif
    return 0;
}
// CHAR-NOT: {{printf|stdio_format|puts}}
// CHAR: putchar {{.*}}lib/libvx.a(putchar.o)
// CHAR-NOT: {{printf|stdio_format|puts}}
// PRINT-NOT: {{sprintf|vprintf|puts|_ram|stdio_float\.o|fxd|fxm|fp[a-z]*32}}
// PRINT: .code_printf.o {{.*}}(printf.o)
// PRINT-NOT: {{sprintf|vprintf|puts|_ram|stdio_float\.o|fxd|fxm|fp[a-z]*32}}
// PRINT: .code_putchar.o {{.*}}(putchar.o)
// PRINT-NOT: {{sprintf|vprintf|puts|_ram|stdio_float\.o|fxd|fxm|fp[a-z]*32}}
// PRINT: .code_stdio_format.o {{.*}}(stdio_format.o)
// PRINT-NOT: {{sprintf|vprintf|puts|_ram|stdio_float\.o|fxd|fxm|fp[a-z]*32}}
