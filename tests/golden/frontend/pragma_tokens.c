// Pragmas that produce a record become H_PRAGMA nodes at file scope and in
// function bodies; list, nolist and varlocate leave no node.
// RUN: cp %s p.c && %vexpp -o p.i p.c && %astdump p.i | sed -e 's/^ *p\.c: *[0-9]*: //' -e 's/    /./g' | %FileCheck --match-full-lines %s
#pragma list
#pragma romdata tables
#pragma varlocate 1 x
void f(void)
{
#pragma tmpdata
    ;
}
// CHECK: H_DEFLST
// CHECK-NEXT: .H_PRAGMA
// CHECK-NEXT: .H_DEFLST
// CHECK-NEXT: ..H_FUNCT
// CHECK-NEXT: ...H_DECL
// CHECK-NEXT: ....H_IDENT
// CHECK-NEXT: ....H_NOP
// CHECK-NEXT: ...H_CSTMT
// CHECK-NEXT: ....H_STMTLST
// CHECK-NEXT: .....H_PRAGMA
// CHECK-NEXT: .....H_STMTLST
// CHECK-NEXT: ......H_NOP
