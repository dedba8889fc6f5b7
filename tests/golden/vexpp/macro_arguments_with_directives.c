// Directives between the lines of a call's arguments take effect: a
// conditional chooses an argument.  A directive also ends the search for
// the '(' of a call.
// RUN: cp %s t.c && %vexpp -o t.i -dCHOOSE_SECOND t.c && %FileCheck --match-full-lines %s < t.i
#define f(a, b) a+b
f(1,
#ifdef CHOOSE_SECOND
2
#else
3
#endif
)
#define g(x) [x]
g
#pragma stays_first
(1)
// CHECK: 1 +2
// CHECK: g
// CHECK-NEXT: #pragma stays_first
// CHECK-NEXT: (1)
