// A switch on an unsigned char: the 8-bit switch operator, a label per case
// and for the default, break as a jump to the exit label.
// RUN: %vexc -x %s | %FileCheck %s
unsigned char sel;
int out;
void pick(void)
{
    switch (sel) {
    case 1: out = 10; break;
    case 200: out = 20;
    default: out = 0;
    }
}
// CHECK:    6: I_BFUNCT(pick)
// CHECK-NEXT:    8: I_SWITCH8
// CHECK-NEXT:    8:     I_IND8RAM16
// CHECK-NEXT:    8:         I_IDRAM16(sel)
// CHECK-NEXT:    9: I_LABEL(___case_1_lbl00002)
// CHECK-NEXT:    9: I_MOV16
// CHECK-NEXT:    9:     I_IND16RAM16
// CHECK-NEXT:    9:         I_IDRAM16(out)
// CHECK-NEXT:    9:     I_CNST16(10)
// CHECK-NEXT:    9: I_JMP(___switchexit_lbl00001)
// CHECK-NEXT:   10: I_LABEL(___case_200_lbl00003)
// CHECK-NEXT:   10: I_MOV16
// CHECK-NEXT:   10:     I_IND16RAM16
// CHECK-NEXT:   10:         I_IDRAM16(out)
// CHECK-NEXT:   10:     I_CNST16(20)
// CHECK-NEXT:   11: I_LABEL(___default_lbl00004)
// CHECK-NEXT:   11: I_MOV16
// CHECK-NEXT:   11:     I_IND16RAM16
// CHECK-NEXT:   11:         I_IDRAM16(out)
// CHECK-NEXT:   11:     I_CNST16(0)
// CHECK-NEXT:    8: I_LABEL(___switchexit_lbl00001)
// CHECK-NEXT:   13: I_LABEL(___return_lbl00000)
// CHECK-NEXT:   13: I_EFUNCT(pick)
