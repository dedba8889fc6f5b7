// An array parameter becomes a pointer in data memory to elements that keep
// their memory space: a rom array parameter is accepted, not refused as a
// parameter in program memory.
// RUN: %vexc -l %s | %FileCheck %s
void f(const rom char s[]);
void g(const rom char s[]) { }
void h(char s[]) { s[0] = 1; }
// CHECK: array_parameters.c:   5: H_DEFLST
// CHECK-NEXT: array_parameters.c:   5:     H_DECLLST
// CHECK-NEXT: array_parameters.c:   5:         H_DECL
// CHECK-NEXT: array_parameters.c:   5:             H_IDENT
// CHECK-NEXT: array_parameters.c:   5:             H_NOP
// CHECK-NEXT: array_parameters.c:   6:     H_DEFLST
// CHECK-NEXT: array_parameters.c:   6:         H_FUNCT
// CHECK-NEXT: array_parameters.c:   6:             H_DECL
// CHECK-NEXT: array_parameters.c:   6:                 H_IDENT
// CHECK-NEXT: array_parameters.c:   6:                 H_NOP
// CHECK-NEXT: array_parameters.c:   6:             H_CSTMT
// CHECK-NEXT: array_parameters.c:   7:         H_DEFLST
// CHECK-NEXT: array_parameters.c:   7:             H_FUNCT
// CHECK-NEXT: array_parameters.c:   7:                 H_DECL
// CHECK-NEXT: array_parameters.c:   7:                     H_IDENT
// CHECK-NEXT: array_parameters.c:   7:                     H_NOP
// CHECK-NEXT: array_parameters.c:   7:                 H_CSTMT
// CHECK-NEXT: array_parameters.c:   7:                     H_STMTLST
// CHECK-NEXT: array_parameters.c:   7:                         H_ASSIGN
// CHECK-NEXT: array_parameters.c:   7:                             H_INDEX
// CHECK-NEXT: array_parameters.c:   7:                                 H_IDENT
// CHECK-NEXT: array_parameters.c:   7:                                 H_CNST
// CHECK-NEXT: array_parameters.c:   7:                             H_CNST
// CHECK-NEXT:    5 declaring[s] AN <AFPTR><ONCBSC>
// CHECK-NEXT:    5 declaring[f] EE <ONFCN><AFBSC>
// CHECK-NEXT:    6 declaring[g] EE <ONFCN><AFBSC>
// CHECK-NEXT:    6 declaring[s] AN <AFPTR><ONCBSC>
// CHECK-NEXT:    7 declaring[h] EE <ONFCN><AFBSC>
// CHECK-NEXT:    7 declaring[s] AN <AFPTR><AFBSC>
