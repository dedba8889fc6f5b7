// The syntax-tree dump: every node in pre-order with its file, line and an
// indentation of four blanks per level; list nodes chain through the
// right child, so each later element sits one level deeper.
// RUN: cp %s d.c && %vexpp -o d.i d.c && %astdump d.i | %FileCheck --match-full-lines %s
int twice(int v)
{
    return v * 2;
}
// CHECK: {{ *}}d.c:   5: H_DEFLST
// CHECK-NEXT: {{ *}}d.c:   5:     H_FUNCT
// CHECK-NEXT: {{ *}}d.c:   5:         H_DECL
// CHECK-NEXT: {{ *}}d.c:   5:             H_IDENT
// CHECK-NEXT: {{ *}}d.c:   5:             H_NOP
// CHECK-NEXT: {{ *}}d.c:   6:         H_CSTMT
// CHECK-NEXT: {{ *}}d.c:   7:             H_STMTLST
// CHECK-NEXT: {{ *}}d.c:   7:                 H_RETURN
// CHECK-NEXT: {{ *}}d.c:   7:                     H_MUL
// CHECK-NEXT: {{ *}}d.c:   7:                         H_IDENT
// CHECK-NEXT: {{ *}}d.c:   7:                         H_CNST
