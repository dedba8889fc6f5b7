// A program's own putchar takes all of the family's output, so the
// library's putchar stays out of the program: this one turns lower case
// into upper case and keeps a count.
// RUN: %vexcc -m out.map --run %s > out.txt 2> /dev/null
// RUN: %FileCheck %s --match-full-lines < out.txt
// RUN: %FileCheck %s --check-prefix=MAP < out.map
#include <stdio.h>
#include <vxcore.h>

unsigned char sent;

int putchar(int c)
{
    ++sent;
    if (c >= 'a' && c <= 'z')
        c -= 'a' - 'A';
    TXREG = c;
    return c;
}

int main(void)
{
    char word[] = "word";

    printf("%s %x ", word, 0xabc);
    puts("puts too");
    printf("%u sent\n", sent);
    return 0;
}
// CHECK: WORD ABC PUTS TOO
// CHECK-NEXT: 18 SENT
// MAP-NOT: (putchar.o)
// MAP: putchar {{ +}}0x{{[0-9A-F]+}}  program  {{.*}}own_putchar.o
// MAP-NOT: (putchar.o)
