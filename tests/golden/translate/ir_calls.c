// Calls: a static parameter is stored into its alias and passed as I_ARGNOP,
// an auto one is pushed by size; printf promotes a char argument to int even
// with promotion suppressed; an undeclared function is declared implicitly.
// RUN: %vexc -x %s | %FileCheck %s
void stat(static int s, char c);
int printf(const rom char *format, ...);
char ch;
void calls(void)
{
    stat(1, ch);
    printf("%d", ch);
    implicit(2);
}
// CHECK: {{.*}}ir_calls.c:12:Warning [2058] call of function without prototype
// CHECK-NEXT:    8: I_BFUNCT(calls)
// CHECK-NEXT:   10: I_CALL
// CHECK-NEXT:   10:     I_IDROM16(stat)
// CHECK-NEXT:   10:     I_ARGNOP
// CHECK-NEXT:   10:         I_MOV16
// CHECK-NEXT:   10:             I_IND16RAM16
// CHECK-NEXT:   10:                 I_IDRAM16(__stat:0)
// CHECK-NEXT:   10:             I_CNST16(1)
// CHECK-NEXT:   10:         I_ARG8
// CHECK-NEXT:   10:             I_IND8RAM16
// CHECK-NEXT:   10:                 I_IDRAM16(ch)
// CHECK-NEXT:   10:             I_NOP
// CHECK-NEXT:   11: I_CALL16
// CHECK-NEXT:   11:     I_IDROM16(printf)
// CHECK-NEXT:   11:     I_ARG16
// CHECK-NEXT:   11:         I_IDROM16(__string_0)
// CHECK-NEXT:   11:         I_ARG16
// CHECK-NEXT:   11:             I_C8TO16S
// CHECK-NEXT:   11:                 I_IND8RAM16
// CHECK-NEXT:   11:                     I_IDRAM16(ch)
// CHECK-NEXT:   11:             I_NOP
// CHECK-NEXT:   12: I_CALL16
// CHECK-NEXT:   12:     I_IDROM16(implicit)
// CHECK-NEXT:   12:     I_ARG8
// CHECK-NEXT:   12:         I_CNST8(2)
// CHECK-NEXT:   12:         I_NOP
// CHECK-NEXT:   13: I_LABEL(___return_lbl00000)
// CHECK-NEXT:   13: I_EFUNCT(calls)
// CHECK-NEXT:    0: I_SECTION(.stringtable)
