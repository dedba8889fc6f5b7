// An in-line assembly block is one H_ASM statement; its labels and
// instructions are records of the node, not nodes of their own.  Inside the
// block a mnemonic that is also a C keyword is a mnemonic, and an
// identifier directly followed by ":" is a label.
// RUN: cp %s a.c && %vexpp -o a.i a.c && %astdump a.i | sed -e 's/^ *a\.c: *[0-9]*: //' -e 's/    /./g' | %FileCheck --match-full-lines %s
unsigned char count;
void wait(void)
{
    _asm
    again:
        decfsz count, 1, 0
        bra again
        return 0
    _endasm
    count = 1;
}
// CHECK: H_DEFLST
// CHECK-NEXT: .H_DECLLST
// CHECK-NEXT: ..H_DECL
// CHECK-NEXT: ...H_IDENT
// CHECK-NEXT: ...H_NOP
// CHECK-NEXT: .H_DEFLST
// CHECK-NEXT: ..H_FUNCT
// CHECK-NEXT: ...H_DECL
// CHECK-NEXT: ....H_IDENT
// CHECK-NEXT: ....H_NOP
// CHECK-NEXT: ...H_CSTMT
// CHECK-NEXT: ....H_STMTLST
// CHECK-NEXT: .....H_ASM
// CHECK-NEXT: .....H_STMTLST
// CHECK-NEXT: ......H_ASSIGN
// CHECK-NEXT: .......H_IDENT
// CHECK-NEXT: .......H_CNST
