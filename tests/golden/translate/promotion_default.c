// By default char operands are not promoted: the sum is computed in 8 bits
// and the comparison is typed char, each widened only for the assignment.
// RUN: %vexc -x %s | %FileCheck %s
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
// CHECK-NEXT:    8:     I_C8TO16U
// CHECK-NEXT:    8:         I_cop8(B_ADD)
// CHECK-NEXT:    8:             I_IND8RAM16
// CHECK-NEXT:    8:                 I_IDRAM16(a)
// CHECK-NEXT:    8:             I_IND8RAM16
// CHECK-NEXT:    8:                 I_IDRAM16(b)
// CHECK-NEXT:    9: I_MOV16
// CHECK-NEXT:    9:     I_IND16RAM16
// CHECK-NEXT:    9:         I_IDRAM16(r)
// CHECK-NEXT:    9:     I_C8TO16S
// CHECK-NEXT:    9:         I_LT8U
// CHECK-NEXT:    9:             I_IND8RAM16
// CHECK-NEXT:    9:                 I_IDRAM16(a)
// CHECK-NEXT:    9:             I_IND8RAM16
// CHECK-NEXT:    9:                 I_IDRAM16(b)
// CHECK-NEXT:   10: I_LABEL(___return_lbl00000)
// CHECK-NEXT:   10: I_EFUNCT(p)
