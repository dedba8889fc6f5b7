// Loops with constant conditions need no test; a constant false if-else posts
// 2055 and jumps to the else part; equal string literals share one object,
// emitted in the string-table section.
// RUN: %vexc -x %s | %FileCheck %s
const rom char *a, *b;
int n;
void loops(void)
{
    while (1)
        n++;
    do n--; while (n);
    for (;;)
        break;
    if (0) n = 1; else n = 2;
    a = "abc";
    b = "abc";
}
// CHECK: {{.*}}ir_loops_strings.c:14:Warning [2055] expression is always false
// CHECK-NEXT:    7: I_BFUNCT(loops)
// CHECK-NEXT:    9: I_LABEL(___while_lbl00001)
// CHECK-NEXT:   10: I_PSTINC16RAM
// CHECK-NEXT:   10:     I_IND16RAM16
// CHECK-NEXT:   10:         I_IDRAM16(n)
// CHECK-NEXT:    9: I_JMP(___while_lbl00001)
// CHECK-NEXT:    9: I_LABEL(___whileexit_lbl00002)
// CHECK-NEXT:   11: I_LABEL(___do_lbl00005)
// CHECK-NEXT:   11: I_PSTDEC16RAM
// CHECK-NEXT:   11:     I_IND16RAM16
// CHECK-NEXT:   11:         I_IDRAM16(n)
// CHECK-NEXT:   11: I_LABEL(___dowhile_lbl00003)
// CHECK-NEXT:   11: I_IF(___do_lbl00005)
// CHECK-NEXT:   11:     I_TST16
// CHECK-NEXT:   11:         I_IND16RAM16
// CHECK-NEXT:   11:             I_IDRAM16(n)
// CHECK-NEXT:   11: I_LABEL(___dowhileexit_lbl00004)
// CHECK-NEXT:   12: I_NOP
// CHECK-NEXT:   12: I_LABEL(___for_lbl00008)
// CHECK-NEXT:   13: I_JMP(___forexit_lbl00007)
// CHECK-NEXT:   12: I_LABEL(___for_lbl00006)
// CHECK-NEXT:   12: I_JMP(___for_lbl00008)
// CHECK-NEXT:   12: I_LABEL(___forexit_lbl00007)
// CHECK-NEXT:   14: I_JMP(___else_lbl00010)
// CHECK-NEXT:   14: I_MOV16
// CHECK-NEXT:   14:     I_IND16RAM16
// CHECK-NEXT:   14:         I_IDRAM16(n)
// CHECK-NEXT:   14:     I_CNST16(1)
// CHECK-NEXT:   14: I_JMP(___if_lbl00009)
// CHECK-NEXT:   14: I_LABEL(___else_lbl00010)
// CHECK-NEXT:   14: I_MOV16
// CHECK-NEXT:   14:     I_IND16RAM16
// CHECK-NEXT:   14:         I_IDRAM16(n)
// CHECK-NEXT:   14:     I_CNST16(2)
// CHECK-NEXT:   14: I_LABEL(___if_lbl00009)
// CHECK-NEXT:   15: I_MOV16
// CHECK-NEXT:   15:     I_IND16RAM16
// CHECK-NEXT:   15:         I_IDRAM16(a)
// CHECK-NEXT:   15:     I_IDROM16(__string_0)
// CHECK-NEXT:   16: I_MOV16
// CHECK-NEXT:   16:     I_IND16RAM16
// CHECK-NEXT:   16:         I_IDRAM16(b)
// CHECK-NEXT:   16:     I_IDROM16(__string_0)
// CHECK-NEXT:    7: I_LABEL(___return_lbl00000)
// CHECK-NEXT:    7: I_EFUNCT(loops)
// CHECK-NEXT:    0: I_SECTION(.stringtable)
