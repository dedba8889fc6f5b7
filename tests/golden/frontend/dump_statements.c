// Statement shapes: if-else with its H_ELSE pair, the three-part for loop,
// a call whose argument chain ends in H_NOP, and the conditional operator.
// Each level of indentation is shown as one dot.
// RUN: cp %s d.c && %vexpp -o d.i d.c && %astdump d.i | sed -e 's/^ *d\.c: *[0-9]*: //' -e 's/    /./g' | %FileCheck --match-full-lines %s
void f(void)
{
    if (a) b(1); else c = d ? 2 : 3;
    for (i = 0; i < 4; i++) ;
}
// CHECK: H_DEFLST
// CHECK-NEXT: .H_FUNCT
// CHECK-NEXT: ..H_DECL
// CHECK-NEXT: ...H_IDENT
// CHECK-NEXT: ...H_NOP
// CHECK-NEXT: ..H_CSTMT
// CHECK-NEXT: ...H_STMTLST
// CHECK-NEXT: ....H_IFE
// CHECK-NEXT: .....H_IDENT
// CHECK-NEXT: .....H_ELSE
// CHECK-NEXT: ......H_CALL
// CHECK-NEXT: .......H_IDENT
// CHECK-NEXT: .......H_ARG
// CHECK-NEXT: ........H_CNST
// CHECK-NEXT: ........H_NOP
// CHECK-NEXT: ......H_ASSIGN
// CHECK-NEXT: .......H_IDENT
// CHECK-NEXT: .......H_COND
// CHECK-NEXT: ........H_IDENT
// CHECK-NEXT: ........H_CONDSEP
// CHECK-NEXT: .........H_CNST
// CHECK-NEXT: .........H_CNST
// CHECK-NEXT: ....H_STMTLST
// CHECK-NEXT: .....H_FORPRE
// CHECK-NEXT: ......H_ASSIGN
// CHECK-NEXT: .......H_IDENT
// CHECK-NEXT: .......H_CNST
// CHECK-NEXT: ......H_FORCOND
// CHECK-NEXT: .......H_LT
// CHECK-NEXT: ........H_IDENT
// CHECK-NEXT: ........H_CNST
// CHECK-NEXT: .......H_FORPOST
// CHECK-NEXT: ........H_PSTINC
// CHECK-NEXT: .........H_IDENT
// CHECK-NEXT: ........H_NOP
