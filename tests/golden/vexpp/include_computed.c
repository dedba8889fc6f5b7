// An #include whose operand is neither "name" nor <name> is macro-expanded
// and must then give one of them.
// RUN: cp %s t.c && mkdir inc && cp %S/Inputs/computed.h . && cp %S/Inputs/computed.h inc/angled.h
// RUN: %vexpp -o t.i --include inc t.c && %FileCheck --match-full-lines %s < t.i
#define QUOTED "computed.h"
#define ANGLED <angled.h>
#define STR(x) #x
#define XSTR(x) STR(x)
#define BASE computed
#include QUOTED
#include ANGLED
#include XSTR(BASE.h)
// CHECK: #line 1 "computed.h"
// CHECK-NEXT: computed_quoted
// CHECK-NEXT: #line 11 "t.c"
// CHECK-NEXT: #line 1 "inc/angled.h"
// CHECK-NEXT: computed_quoted
// CHECK-NEXT: #line 12 "t.c"
// CHECK-NEXT: #line 1 "computed.h"
