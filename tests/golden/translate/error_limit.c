// The 25th error in translation ends the compilation: the tree parser
// releases the trees it holds, no later diagnostic follows, and the exit
// status is the error count.  Each assignment below posts two errors.
// RUN: cp %s e.c && for i in $(seq 20); do echo "void f$i(void) { a = sv + $i; }" >> e.c; done
// RUN: %expect-exit 25 %vexc e.c | %FileCheck %s
int a;
struct s { int m; } sv;
// CHECK: e.c:14:Error [1142] type mismatch in '+' operator
// CHECK-NEXT: e.c:14:Error [1131] type mismatch in assignment
// CHECK: e.c:25:Error [1142] type mismatch in '+' operator
// CHECK-NEXT: e.c:25:Error [1131] type mismatch in assignment
// CHECK-NEXT: e.c:26:Error [1142] type mismatch in '+' operator
// CHECK-NOT: e.c:
