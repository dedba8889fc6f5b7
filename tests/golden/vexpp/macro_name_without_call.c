// A function-like macro name that is not followed by '(' stays as it is;
// the '(' may follow on a later line, but not past a directive or the end
// of the file.
// RUN: cp %s t.c && cp %S/Inputs/ends_with_macro_name.h . && %vexpp -o t.i t.c && %FileCheck --match-full-lines %s < t.i
#define f(x) <x>
#define g f
int f; int (*p)(int) = f; g;
f
(1)
f
#define unrelated
(2)
#include "ends_with_macro_name.h"
(3)
// CHECK: int f; int (*p)(int) = f; f;
// CHECK-NEXT: <1>
// CHECK-EMPTY:
// CHECK-NEXT: f
// CHECK-EMPTY:
// CHECK-NEXT: (2)
// CHECK-NEXT: #line 1 "ends_with_macro_name.h"
// CHECK-NEXT: f
// CHECK-NEXT: #line 14 "t.c"
// CHECK-NEXT: (3)
