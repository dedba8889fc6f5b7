// An include that never ends stops at 200 nested files with one error
// rather than exhausting the stack.
// RUN: cp %s t.c && cp %S/Inputs/recursive.h . && %expect-exit 1 %vexpp -o t.i t.c | %FileCheck %s
#include "recursive.h"
// CHECK: {{.*}}/recursive.h:1:Error [1000] #include nested more than 200 levels deep
// CHECK-NOT: Error
