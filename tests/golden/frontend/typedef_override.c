// A local variable may take the name of a file-scope typedef: inside that
// body the name is an ordinary identifier, after the body a type again.
// RUN: cp %s t.c && %vexpp -o t.i t.c && %astdump -t t.i | sed 's/ *$//' | %FileCheck %s
typedef int T;
void f(void)
{
    long T;
    T = 5;
}
T later;
// CHECK: 7: T: long
// CHECK-NEXT: 10: later: ???
