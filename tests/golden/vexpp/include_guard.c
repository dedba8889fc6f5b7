// A header wrapped whole in #ifndef is not read again while its macro is
// defined; once the macro is removed it is read again.  A header with text
// outside its #ifndef is read every time.
// RUN: cp %s t.c && cp %S/Inputs/guarded.h %S/Inputs/almost_guarded.h . && %vexpp -o t.i t.c
// RUN: %FileCheck --match-full-lines %s < t.i
#include "guarded.h"
#include "guarded.h"
#undef GUARDED_H
#include "guarded.h"
#include "almost_guarded.h"
#include "almost_guarded.h"
// CHECK: #line 1 "guarded.h"
// CHECK: guarded_text
// CHECK-NEXT: #line 7 "t.c"
// CHECK-NEXT: #line 1 "guarded.h"
// CHECK: guarded_text
// CHECK-NEXT: #line 10 "t.c"
// CHECK-NEXT: #line 1 "almost_guarded.h"
// CHECK: almost_text
// CHECK-EMPTY:
// CHECK-NEXT: text_after_the_guard
// CHECK-NEXT: #line 11 "t.c"
// CHECK-NEXT: #line 1 "almost_guarded.h"
// CHECK-NOT: almost_text
// CHECK: text_after_the_guard
// CHECK-NEXT: #line 12 "t.c"
