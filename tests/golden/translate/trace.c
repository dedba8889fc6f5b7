// The -l trace: the syntax tree, then a line per declaration; an extern
// redeclaration of a static object keeps its internal linkage and its
// static storage.
// RUN: %vexc -l %s | %FileCheck %s
static int x;
extern int x;
int f(int a)
{
    int b;
    return a + b;
}
// CHECK:    trace.c:   5: H_DEFLST
// CHECK-NEXT:    trace.c:   5:     H_DECLLST
// CHECK-NEXT:    trace.c:   5:         H_DECL
// CHECK-NEXT:    trace.c:   5:             H_IDENT
// CHECK-NEXT:    trace.c:   5:             H_NOP
// CHECK-NEXT:    trace.c:   6:     H_DEFLST
// CHECK-NEXT:    trace.c:   6:         H_DECLLST
// CHECK-NEXT:    trace.c:   6:             H_DECL
// CHECK-NEXT:    trace.c:   6:                 H_IDENT
// CHECK-NEXT:    trace.c:   6:                 H_NOP
// CHECK-NEXT:    trace.c:   7:         H_DEFLST
// CHECK-NEXT:    trace.c:   7:             H_FUNCT
// CHECK-NEXT:    trace.c:   7:                 H_DECL
// CHECK-NEXT:    trace.c:   7:                     H_IDENT
// CHECK-NEXT:    trace.c:   7:                     H_NOP
// CHECK-NEXT:    trace.c:   8:                 H_CSTMT
// CHECK-NEXT:    trace.c:   9:                     H_DECLLST
// CHECK-NEXT:    trace.c:   9:                         H_DECL
// CHECK-NEXT:    trace.c:   9:                             H_IDENT
// CHECK-NEXT:    trace.c:   9:                             H_NOP
// CHECK-NEXT:    trace.c:  10:                     H_STMTLST
// CHECK-NEXT:    trace.c:  10:                         H_RETURN
// CHECK-NEXT:    trace.c:  10:                             H_ADD
// CHECK-NEXT:    trace.c:  10:                                 H_IDENT
// CHECK-NEXT:    trace.c:  10:                                 H_IDENT
// CHECK-NEXT:    5 declaring[x] SI <AFBSC>
// CHECK-NEXT:    5 redeclaring[x] SI <AFBSC>
// CHECK-NEXT:    7 declaring[f] EE <ONFCN><AFBSC>
// CHECK-NEXT:    7 declaring[a] AN <AFBSC>
// CHECK-NEXT:    9 declaring[b] AN <AFBSC>
