// Pointer arithmetic scales by the pointed-to size, a pointer difference
// divides by it; member access through a pointer and a value; a one-bit
// bit-field compared with 1 is its own test; a comparison with 0 is a negation.
// RUN: %vexc -x %s > trees.txt; %FileCheck %s < trees.txt
struct rec { char tag; int val; unsigned flag : 1; } r, *rp;
long *lp, *lq;
int arr[5];
int *third = &arr[3];
int d;
void access(void)
{
    lp = lp + 1;
    d = lq - lp;
    rp->val = r.tag;
    r.flag = 1;
    d = r.flag == 1;
    d = *lp == 0;
}
// CHECK:   10: I_BFUNCT(access)
// CHECK-NEXT:   12: I_MOV16
// CHECK-NEXT:   12:     I_IND16RAM16
// CHECK-NEXT:   12:         I_IDRAM16(lp)
// CHECK-NEXT:   12:     I_cop16(B_ADD)
// CHECK-NEXT:   12:         I_IND16RAM16
// CHECK-NEXT:   12:             I_IDRAM16(lp)
// CHECK-NEXT:   12:         I_CNST16(4)
// CHECK-NEXT:   13: I_MOV16
// CHECK-NEXT:   13:     I_IND16RAM16
// CHECK-NEXT:   13:         I_IDRAM16(d)
// CHECK-NEXT:   13:     I_DIV16S
// CHECK-NEXT:   13:         I_SUB16
// CHECK-NEXT:   13:             I_IND16RAM16
// CHECK-NEXT:   13:                 I_IDRAM16(lq)
// CHECK-NEXT:   13:             I_IND16RAM16
// CHECK-NEXT:   13:                 I_IDRAM16(lp)
// CHECK-NEXT:   13:         I_CNST16(4)
// CHECK-NEXT:   14: I_MOV16
// CHECK-NEXT:   14:     I_IND16RAM16
// CHECK-NEXT:   14:         I_MEMBERRAM16
// CHECK-NEXT:   14:             I_IND16RAM16
// CHECK-NEXT:   14:                 I_IDRAM16(rp)
// CHECK-NEXT:   14:     I_C8TO16S
// CHECK-NEXT:   14:         I_IND8RAM16
// CHECK-NEXT:   14:             I_MEMBERRAM16
// CHECK-NEXT:   14:                 I_IDRAM16(r)
// CHECK-NEXT:   15: I_MOV8
// CHECK-NEXT:   15:     I_BITFRAM16
// CHECK-NEXT:   15:         I_IDRAM16(r)
// CHECK-NEXT:   15:     I_CNST8(1)
// CHECK-NEXT:   16: I_MOV16
// CHECK-NEXT:   16:     I_IND16RAM16
// CHECK-NEXT:   16:         I_IDRAM16(d)
// CHECK-NEXT:   16:     I_C8TO16S
// CHECK-NEXT:   16:         I_TST8
// CHECK-NEXT:   16:             I_BITFRAM16
// CHECK-NEXT:   16:                 I_IDRAM16(r)
// CHECK-NEXT:   17: I_MOV16
// CHECK-NEXT:   17:     I_IND16RAM16
// CHECK-NEXT:   17:         I_IDRAM16(d)
// CHECK-NEXT:   17:     I_C8TO16S
// CHECK-NEXT:   17:         I_LNOT
// CHECK-NEXT:   17:             I_IND32RAM16
// CHECK-NEXT:   17:                 I_IND16RAM16
// CHECK-NEXT:   17:                     I_IDRAM16(lp)
// CHECK-NEXT:   18: I_LABEL(___return_lbl00000)
// CHECK-NEXT:   18: I_EFUNCT(access)
