// A syntax error is reported at the line of the token where it was found;
// the parser recovers and reports the later errors of the same unit.  The
// exit status is the number of errors.
// RUN: cp %s e.c && %vexpp -o e.i e.c && %expect-exit 3 %astdump e.i | %FileCheck %s
int a
int b;
void f(void)
{
    x = ;
    y = 1;
    z = = 2;
}
int c;
// CHECK: e.c:6:Error: syntax error
// CHECK-NEXT: e.c:9:Error: syntax error
// CHECK-NEXT: e.c:11:Error: syntax error
// CHECK-NOT: Error
