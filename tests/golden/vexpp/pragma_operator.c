// _Pragma made by a macro from a stringized argument gives a #pragma line
// of its own, with the tokens around it on their own line again.
// RUN: cp %s t.c && %vexpp -o t.i t.c && %FileCheck --match-full-lines %s < t.i
// RUN: printf '_Pragma(1)\n' > bad.c && %expect-exit 1 %vexpp -o bad.i bad.c | %FileCheck --check-prefix=BAD %s
#define DO_PRAGMA(x) _Pragma(#x)
#define SECTION(name) DO_PRAGMA(code name)
int a; SECTION(fast) int b;
// CHECK: int a;
// CHECK-NEXT: #line 7 "t.c"
// CHECK-NEXT: #pragma code fast
// CHECK-NEXT: #line 7 "t.c"
// CHECK-NEXT: int b;
// BAD: {{.*}}/bad.c:1:Error [1000] _Pragma needs a string literal in parentheses
