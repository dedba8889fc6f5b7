// An overlay parameter of a definition is warned about once and becomes
// static: its value lives in the alias that callers store into.
// RUN: %vexc -x %s | %FileCheck %s
int total;
void add(overlay int amount)
{
    total += amount;
}
// CHECK: {{.*}}param_overlay_definition.c:5:Warning [2071] amount cannot have 'overlay' storage class; replacing with 'static'
// CHECK-NEXT:    5: I_BFUNCT(add)
// CHECK-NEXT:    7: I_cop16A(B_ADD)
// CHECK-NEXT:    7:     I_IND16RAM16
// CHECK-NEXT:    7:         I_IDRAM16(total)
// CHECK-NEXT:    7:     I_IND16RAM16
// CHECK-NEXT:    7:         I_IDRAM16(amount)
// CHECK-NEXT:    8: I_LABEL(___return_lbl00000)
// CHECK-NEXT:    8: I_EFUNCT(add)
