// The 25th error ends the compilation: the parser releases what it holds,
// no later diagnostic follows, and the exit status is the error count.
// RUN: cp %s e.c && for i in $(seq 30); do echo "char c$i = '\q';" >> e.c; done
// RUN: %expect-exit 25 %vexc e.c | %FileCheck %s
int a = = 1;
// CHECK: e.c:5:Error: syntax error
// CHECK: e.c:{{[0-9]+}}:Error [1103] unknown escape sequence '\q'
// CHECK: e.c:33:Error [1103] unknown escape sequence '\q'
// CHECK-NOT: e.c:34:
