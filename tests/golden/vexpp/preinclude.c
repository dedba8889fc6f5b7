// -z names a file that is read before the source, as if the source began
// by including it; it is looked for as given, then like a quoted include.
// RUN: cp %s t.c && cp %S/Inputs/pre.h . && %vexpp -o t.i -z pre.h t.c && %FileCheck --match-full-lines %s < t.i
// RUN: mkdir inc && mv pre.h inc/ && %vexpp -o t2.i --include inc -z pre.h t.c && %FileCheck --check-prefix=SEARCHED --match-full-lines %s < t2.i
// RUN: %expect-exit 1 %vexpp -o t3.i -z missing.h t.c | %FileCheck --check-prefix=MISSING %s
value = FROM_PREINCLUDE;
// CHECK: #line 1 "pre.h"
// CHECK-EMPTY:
// CHECK-NEXT: preinclude_text
// CHECK-NEXT: #line 1 "t.c"
// CHECK: value = 42;
// SEARCHED: #line 1 "inc/pre.h"
// SEARCHED: value = 42;
// MISSING: {{.*}}/t.c:0:Error [1027] unable to locate 'missing.h'
