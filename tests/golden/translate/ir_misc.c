// sizeof measures before decay, __builtin_ittype gives the type's code, section
// and tmpdata pragmas become section changes at their place, an assembly label
// is a goto target, and an enumerated label carries its value.
// RUN: %vexc -x %s | %FileCheck %s
struct pair { int a, b; } pr;
int n;
#pragma code fastcode
#pragma udata mydata
char buffer[4];
#pragma tmpdata scratch
void misc(void)
{
    n = sizeof pr + sizeof(struct pair) + sizeof buffer;
    n = __builtin_ittype(long);
    _asm
    again:
        nop
    _endasm
    goto again;
    __builtin_enum_label(five, 5):
    n = 0;
}
// CHECK:    7: I_SECTION(fastcode)
// CHECK-NEXT:    8: I_SECTION(mydata)
// CHECK-NEXT:   10: I_SECTION(scratch)
// CHECK-NEXT:   11: I_BFUNCT(misc)
// CHECK-NEXT:   13: I_MOV16
// CHECK-NEXT:   13:     I_IND16RAM16
// CHECK-NEXT:   13:         I_IDRAM16(n)
// CHECK-NEXT:   13:     I_CNST16(12)
// CHECK-NEXT:   14: I_MOV16
// CHECK-NEXT:   14:     I_IND16RAM16
// CHECK-NEXT:   14:         I_IDRAM16(n)
// CHECK-NEXT:   14:     I_CNST16(6)
// CHECK-NEXT:   15: I_ASM
// CHECK-NEXT:   19: I_JMP(again)
// CHECK-NEXT:   20: I_ENUM_LABEL(five)
// CHECK-NEXT:   20:     I_CNST8(5)
// CHECK-NEXT:   21: I_MOV16
// CHECK-NEXT:   21:     I_IND16RAM16
// CHECK-NEXT:   21:         I_IDRAM16(n)
// CHECK-NEXT:   21:     I_CNST16(0)
// CHECK-NEXT:   22: I_LABEL(___return_lbl00000)
// CHECK-NEXT:   22: I_EFUNCT(misc)
