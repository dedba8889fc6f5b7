// With -Om- equal string literals are separate objects.
// RUN: %vexc -Om- -x %s | %FileCheck %s
const rom char *a, *b;
void s(void)
{
    a = "abc";
    b = "abc";
}
// CHECK:    4: I_BFUNCT(s)
// CHECK-NEXT:    6: I_MOV16
// CHECK-NEXT:    6:     I_IND16RAM16
// CHECK-NEXT:    6:         I_IDRAM16(a)
// CHECK-NEXT:    6:     I_IDROM16(__string_0)
// CHECK-NEXT:    7: I_MOV16
// CHECK-NEXT:    7:     I_IND16RAM16
// CHECK-NEXT:    7:         I_IDRAM16(b)
// CHECK-NEXT:    7:     I_IDROM16(__string_1)
// CHECK-NEXT:    8: I_LABEL(___return_lbl00000)
// CHECK-NEXT:    8: I_EFUNCT(s)
// CHECK-NEXT:    0: I_SECTION(.stringtable)
