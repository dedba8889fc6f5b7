// Constant expressions of array sizes and bit-field widths go through the
// expression routines: enumerators and sizeof fold, while an increment or a
// plain variable is not constant and posts 1219.
// RUN: %expect-exit 2 %vexc -l %s | %FileCheck %s
int i;
int a[i++];
int c[i];
enum { E = 3, F };
int d[E * 2 + sizeof(long) + F];
struct { unsigned f : E; } bits;
// CHECK: constant_expressions.c:   5: H_DEFLST
// CHECK-NEXT: constant_expressions.c:   5:     H_DECLLST
// CHECK-NEXT: constant_expressions.c:   5:         H_DECL
// CHECK-NEXT: constant_expressions.c:   5:             H_IDENT
// CHECK-NEXT: constant_expressions.c:   5:             H_NOP
// CHECK-NEXT: constant_expressions.c:   6:     H_DEFLST
// CHECK-NEXT: constant_expressions.c:   6:         H_DECLLST
// CHECK-NEXT: constant_expressions.c:   6:             H_DECL
// CHECK-NEXT: constant_expressions.c:   6:                 H_IDENT
// CHECK-NEXT: constant_expressions.c:   6:                 H_NOP
// CHECK-NEXT: constant_expressions.c:   7:         H_DEFLST
// CHECK-NEXT: constant_expressions.c:   7:             H_DECLLST
// CHECK-NEXT: constant_expressions.c:   7:                 H_DECL
// CHECK-NEXT: constant_expressions.c:   7:                     H_IDENT
// CHECK-NEXT: constant_expressions.c:   7:                     H_NOP
// CHECK-NEXT: constant_expressions.c:   8:             H_DEFLST
// CHECK-NEXT: constant_expressions.c:   8:                 H_DECLLST
// CHECK-NEXT: constant_expressions.c:   8:                     H_DECL
// CHECK-NEXT: constant_expressions.c:   8:                         H_NOP
// CHECK-NEXT: constant_expressions.c:   8:                         H_NOP
// CHECK-NEXT: constant_expressions.c:   9:                 H_DEFLST
// CHECK-NEXT: constant_expressions.c:   9:                     H_DECLLST
// CHECK-NEXT: constant_expressions.c:   9:                         H_DECL
// CHECK-NEXT: constant_expressions.c:   9:                             H_IDENT
// CHECK-NEXT: constant_expressions.c:   9:                             H_NOP
// CHECK-NEXT: constant_expressions.c:  10:                     H_DEFLST
// CHECK-NEXT: constant_expressions.c:  10:                         H_DECLLST
// CHECK-NEXT: constant_expressions.c:  10:                             H_DECL
// CHECK-NEXT: constant_expressions.c:  10:                                 H_IDENT
// CHECK-NEXT: constant_expressions.c:  10:                                 H_NOP
// CHECK-NEXT:    5 declaring[i] NE <AFBSC>
// CHECK-NEXT: {{.*}}constant_expressions.c:6:Error [1219] integer constant expected
// CHECK-NEXT:    6 declaring[a] NE <AFCARY[1]><AFBSC>
// CHECK-NEXT: {{.*}}constant_expressions.c:7:Error [1219] integer constant expected
// CHECK-NEXT:    7 declaring[c] NE <AFCARY[1]><AFBSC>
// CHECK-NEXT:    9 declaring[d] NE <AFCARY[14]><AFBSC>
// CHECK-NEXT:   10 declaring[bits] NE <AFSUE>{ f:<AFBSC>; }
