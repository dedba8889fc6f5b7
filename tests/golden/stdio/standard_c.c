// Under --standard-c string literals passed as data pointers live in data
// memory, and the standard names stand for the routines that take their
// format and strings there; %S still prints a string in program memory,
// and char arguments are promoted in every call.
// RUN: %vexcc --standard-c -m out.map --run %s > out.txt 2> /dev/null
// RUN: %FileCheck %s --match-full-lines < out.txt
// RUN: %FileCheck %s --check-prefix=MAP < out.map
#include <stdio.h>

const rom char kept[] = "in rom";

int main(void)
{
    char buf[12];
    const char *words = "in ram";
    int n;

    n = printf("%s|%S|%-3c|%5.1s|\n", words, kept, 'c', "xyz");
    printf("%d\n", n);
    n = snprintf(buf, sizeof buf, "%c%c%d", 'o', 'k', 12345);
    puts(buf);
    printf("%d %s\n", n, buf);
    sprintf(buf, "%x", 255);
    puts(buf);
    return 0;
}
// CHECK: in ram|in rom|c  |    x|
// CHECK-NEXT: 25
// CHECK-NEXT: ok12345
// CHECK-NEXT: 7 ok12345
// CHECK-NEXT: ff
// MAP-NOT: {{\((printf|puts)\.o\)}}
// MAP: printf_ram {{.*}}(printf_ram.o)
// MAP-NOT: {{\((printf|puts)\.o\)}}
