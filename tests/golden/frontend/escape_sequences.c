// An unknown escape sequence in a character constant or a string literal
// is reported with 1103 and the character itself is kept.
// RUN: cp %s e.c && %vexpp -o e.i e.c && %expect-exit 2 %astdump e.i | %FileCheck %s
char c = '\q';
char s[] = "ok\n\x41\101\z";
// CHECK: e.c:4:Error [1103] unknown escape sequence '\q'
// CHECK-NEXT: e.c:5:Error [1103] unknown escape sequence '\z'
