// #pragma lines reach the compiler on their own line, unexpanded and
// without comments, in the place of the directive; _Pragma makes one too.
// "#pragma once" is the preprocessor's own and is not passed on.
// RUN: cp %s t.c && cp %S/Inputs/once.h . && %vexpp -o t.i t.c && %FileCheck --match-full-lines %s < t.i
#define SECTION mycode
int a;
#pragma code SECTION /* a comment */
#  pragma   interrupt isr save=PROD
int b; _Pragma("udata \"data\"") int c;
#include "once.h"
#include "once.h"
// CHECK: int a;
// CHECK-NEXT: #pragma code SECTION
// CHECK-NEXT: #pragma interrupt isr save=PROD
// CHECK-NEXT: int b;
// CHECK-NEXT: #line 9 "t.c"
// CHECK-NEXT: #pragma udata "data"
// CHECK-NEXT: #line 9 "t.c"
// CHECK-NEXT: int c;
// CHECK-NEXT: #line 1 "once.h"
// CHECK-EMPTY:
// CHECK-NEXT: once_only
// CHECK-NEXT: #line 11 "t.c"
// CHECK-NOT: once_only
