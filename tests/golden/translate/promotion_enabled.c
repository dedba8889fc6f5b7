// With -Oi+ char operands are promoted to int before the operator, and the
// comparison is typed int.
// RUN: %vexc -Oi+ -x %s | %FileCheck %s
unsigned char a, b;
int r;
void p(void)
{
    r = a + b;
    r = a < b;
}
// CHECK:    6: I_BFUNCT(p)
// CHECK-NEXT:    8: I_MOV16
// CHECK-NEXT:    8:     I_IND16RAM16
// CHECK-NEXT:    8:         I_IDRAM16(r)
// CHECK-NEXT:    8:     I_cop16(B_ADD)
// CHECK-NEXT:    8:         I_C8TO16U
// CHECK-NEXT:    8:             I_IND8RAM16
// CHECK-NEXT:    8:                 I_IDRAM16(a)
// CHECK-NEXT:    8:         I_C8TO16U
// CHECK-NEXT:    8:             I_IND8RAM16
// CHECK-NEXT:    8:                 I_IDRAM16(b)
// CHECK-NEXT:    9: I_MOV16
// CHECK-NEXT:    9:     I_IND16RAM16
// CHECK-NEXT:    9:         I_IDRAM16(r)
// CHECK-NEXT:    9:     I_LT16S
// CHECK-NEXT:    9:         I_C8TO16U
// CHECK-NEXT:    9:             I_IND8RAM16
// CHECK-NEXT:    9:                 I_IDRAM16(a)
// CHECK-NEXT:    9:         I_C8TO16U
// CHECK-NEXT:    9:             I_IND8RAM16
// CHECK-NEXT:    9:                 I_IDRAM16(b)
// CHECK-NEXT:   10: I_LABEL(___return_lbl00000)
// CHECK-NEXT:   10: I_EFUNCT(p)
